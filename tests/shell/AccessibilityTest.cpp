// What assistive tools read of the view: the board as a table of named
// tiles, the status strip with the two counters and the notice, and the
// events after moves and keys.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/TileCode.h"
#include "platform/qt/accessibility/Announce.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "shell/ViewAccessible.h"
#include "tests/shell/ShellRig.h"

namespace {

TEST(DescribeTile, NamesThePlaceAndWhatItShows) {
    EXPECT_EQ(DescribeTile(2, 4, 0), "column 3, row 5, covered");
    EXPECT_EQ(DescribeTile(0, 0, tile::Empty(2)), "column 1, row 1, 2 on its lines");
    EXPECT_EQ(DescribeTile(19, 19, tile::Found(1)), "column 20, row 20, glimble found, 1 on its lines");
    EXPECT_EQ(DescribeTile(7, 0, tile::Empty(0)), "column 8, row 1, 0 on its lines");
}

TEST(DescribeMove, TellsTheTileTheStatusAndTheWin) {
    EXPECT_EQ(DescribeOutcome(tile::Found(2)), "Glimble found, 2 on its lines.");
    EXPECT_EQ(DescribeOutcome(tile::Empty(0)), "Empty, 0 on its lines.");
    EXPECT_EQ(DescribeOutcome(3), "") << "a covered tile tells nothing";
    EXPECT_EQ(DescribeStatus(63, 7), "Points 63. Glimbles left: 7.");
    EXPECT_EQ(DescribeWin(40, true), "Won! Points: 40, enough for a place in the best results. A new board is dealt.");
    EXPECT_EQ(DescribeWin(0, false), "Won! Points: 0, too few for a place in the best results. A new board is dealt.");
}

struct Heard {
    QAccessible::Event type;
    QString name;
    QVariant value;
};
std::vector<Heard> g_heard;

void Listen(QAccessibleEvent* event) {
    QAccessibleInterface* about = event->accessibleInterface();
    QVariant value;
    if (event->type() == QAccessible::ValueChanged) value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    g_heard.push_back({event->type(), about != nullptr ? about->text(QAccessible::Name) : QString(), value});
}

// The rig with a known board, the test hearing what the view announces (the
// offscreen platform has no accessibility bridge to hear it).
struct ReadRig : ShellRig {
    ReadRig() {
        settings.values = {{"Size", "8"}, {"Number", "4"}, {"ShowTips", "1"}};
        Start();
        Frame().show();
        Paint();
        Puzzle().Init(0, 8, 8);
        Puzzle().SetHidden(2, 4, 1);
        Puzzle().SetHidden(7, 0, 1);
        platform::qt::SetAnnouncementListener(&Listen);
        g_heard.clear();
    }
    ~ReadRig() { platform::qt::SetAnnouncementListener(nullptr); }
    QAccessibleInterface* View() { return QAccessible::queryAccessibleInterface(&ShellRig::View()); }
    QAccessibleInterface* Board() { return View()->child(0); }
    QAccessibleInterface* Strip() { return View()->child(1); }
    QAccessibleInterface* Counter(int which) { return Strip()->child(which); }
    QAccessibleInterface* Notice() { return Strip()->child(2); }
    // Plays tile (column, row) as a click on it would.
    void Play(int column, int row) {
        const int cellSize = Puzzle().GetCellSize();
        ShellRig::View().OnLButtonDown({column * cellSize + 5, row * cellSize + 5});
    }
    // The names of the notices shown, in order.
    static QStringList Shown() {
        QStringList shown;
        for (const Heard& h : g_heard)
            if (h.type == QAccessible::ObjectShow) shown << h.name;
        return shown;
    }
    bool HeardName(QAccessible::Event type, const QString& name) {
        return std::any_of(g_heard.begin(), g_heard.end(),
                           [&](const Heard& h) { return h.type == type && h.name == name; });
    }
};

TEST(Accessibility, TheBoardIsATableOfNamedTiles) {
    ReadRig rig;
    ASSERT_NE(rig.View(), nullptr);
    ASSERT_EQ(rig.View()->childCount(), 2);
    QAccessibleInterface* board = rig.Board();
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(board->childCount(), 64);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 8);
    EXPECT_EQ(table->columnCount(), 8);
    QAccessibleInterface* cell = table->cellAt(4, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("column 3, row 5, covered"));
    EXPECT_EQ(board->indexOfChild(cell), 4 * 8 + 2);
    EXPECT_EQ(board->child(4 * 8 + 2), cell);
    EXPECT_EQ(cell->parent(), board);
    EXPECT_EQ(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
}

TEST(Accessibility, TheStripIsAStatusBarWithTheCountersAndAnUnseenNotice) {
    ReadRig rig;
    QAccessibleInterface* strip = rig.Strip();
    EXPECT_EQ(strip->role(), QAccessible::StatusBar);
    ASSERT_EQ(strip->childCount(), 3);
    EXPECT_EQ(strip->parent(), rig.View());
    EXPECT_EQ(rig.View()->indexOfChild(strip), 1);
    EXPECT_EQ(rig.Counter(0)->text(QAccessible::Name), QStringLiteral("Points 64"));
    EXPECT_EQ(rig.Counter(1)->text(QAccessible::Name), QStringLiteral("Glimbles 2"));
    for (int i = 0; i < strip->childCount(); ++i) {
        EXPECT_EQ(strip->child(i)->parent(), strip) << i;
        EXPECT_EQ(strip->indexOfChild(strip->child(i)), i);
    }
    const QRect points = rig.Counter(0)->rect();
    EXPECT_TRUE(strip->rect().contains(points));
    EXPECT_EQ(strip->childAt(points.center().x(), points.center().y()), rig.Counter(0));
    EXPECT_EQ(rig.Notice()->role(), QAccessible::Notification);
    EXPECT_TRUE(rig.Notice()->rect().isEmpty()) << "heard, not seen";
}

TEST(Accessibility, AMoveChangesTheCountersAndTheTileAndIsAnnounced) {
    ReadRig rig;
    QAccessibleInterface* cell = rig.Board()->tableInterface()->cellAt(4, 2);
    rig.Play(2, 4);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("column 3, row 5, glimble found, 0 on its lines"));
    EXPECT_EQ(rig.Counter(0)->text(QAccessible::Name), QStringLiteral("Points 63"));
    EXPECT_EQ(rig.Counter(0)->valueInterface()->currentValue().toInt(), 63);
    EXPECT_EQ(rig.Counter(1)->text(QAccessible::Name), QStringLiteral("Glimbles 1"));
    EXPECT_EQ(rig.Counter(1)->text(QAccessible::Value), QStringLiteral("1"));
    EXPECT_TRUE(rig.HeardName(QAccessible::NameChanged, cell->text(QAccessible::Name)));
    const auto points = std::find_if(g_heard.begin(), g_heard.end(), [](const Heard& h) {
        return h.type == QAccessible::ValueChanged && h.name == QStringLiteral("Points 63");
    });
    ASSERT_NE(points, g_heard.end());
    EXPECT_EQ(points->value.toInt(), 63);
    EXPECT_TRUE(rig.HeardName(QAccessible::ValueChanged, QStringLiteral("Glimbles 1")));
    EXPECT_EQ(ReadRig::Shown(), QStringList{"Glimble found, 0 on its lines. Points 63. Glimbles left: 1."});
    EXPECT_EQ(rig.Notice()->text(QAccessible::Name), ReadRig::Shown().value(0));
}

TEST(Accessibility, GTellsTheStatusAndAClickBesideTheBoardNothing) {
    ReadRig rig;
    rig.ShellRig::View().setFocus();
    QTest::keyClick(&rig.ShellRig::View(), Qt::Key_G);
    rig.ShellRig::View().OnLButtonDown({5, rig.Puzzle().GetBoardHeight() + 5});
    EXPECT_EQ(ReadRig::Shown(), QStringList{"Points 64. Glimbles left: 2."});
}

// The last glimble found: the win, with or without a place in the best
// results, said at once and, when the name prompt follows, again once the
// view has the focus back.
TEST(Accessibility, TheWinIsToldWithThePlaceItEarned) {
    struct Case {
        const char* best;  // every place's stored score on this board
        QString said;
        bool again;
    };
    const Case cases[] = {
        {"0",
         "Glimble found, 0 on its lines. Won! Points: 62, enough for a place in the best results. "
         "A new board is dealt.",
         true},
        {"90",
         "Glimble found, 0 on its lines. Won! Points: 62, too few for a place in the best results. "
         "A new board is dealt.",
         false},
    };
    for (const Case& c : cases) {
        ReadRig rig;
        for (int place = 0; place < 10; ++place)
            rig.settings.values["8_8_0_" + std::to_string(place) + "/Rez"] = c.best;
        rig.Play(2, 4);
        rig.Play(7, 0);
        ASSERT_EQ(rig.dialogs.results.size(), 1u) << "the game was not won";
        EXPECT_EQ(ReadRig::Shown().value(1), c.said) << c.best;
        rig.ShellRig::View().clearFocus();
        rig.ShellRig::View().setFocus();
        QApplication::processEvents();
        EXPECT_EQ(ReadRig::Shown().size(), c.again ? 3 : 2) << c.best;
        EXPECT_EQ(ReadRig::Shown().last(), c.said) << c.best;
    }
}

TEST(Accessibility, TheCursorsTileHasTheFocus) {
    ReadRig rig;
    rig.ShellRig::View().setFocus();
    QTest::keyClick(&rig.ShellRig::View(), Qt::Key_Right);  // shows the cursor
    QTest::keyClick(&rig.ShellRig::View(), Qt::Key_Right);
    EXPECT_TRUE(rig.HeardName(QAccessible::Focus, QStringLiteral("column 2, row 1, covered")));
    ASSERT_TRUE(QApplication::focusWidget() == &rig.ShellRig::View());
    EXPECT_TRUE(rig.Board()->tableInterface()->cellAt(0, 1)->state().focused);
}

TEST(Accessibility, ABoardOfAnotherSizeHasItsOwnCells) {
    ReadRig rig;
    ASSERT_TRUE(rig.Frame().OnCommand(res::kLargestBoard.command));
    EXPECT_EQ(rig.Board()->childCount(), 400);
    EXPECT_EQ(rig.Board()->tableInterface()->cellAt(19, 19)->text(QAccessible::Name),
              QStringLiteral("column 20, row 20, covered"));
}

TEST(Accessibility, MenuItemsAreNamedApartFromTheShortcutTheyShow) {
    ReadRig rig;
    QAction* newGame = nullptr;
    for (QAction* action : rig.Frame().findChildren<QAction*>()) {
        if (action->data().toInt() == res::ID_FILE_NEW) newGame = action;
    }
    ASSERT_NE(newGame, nullptr);
    EXPECT_EQ(newGame->text(), QStringLiteral("&New"));
    EXPECT_EQ(newGame->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N)) << "the key binding tools read";
    rig.ShellRig::View().OnLButtonDown(QPoint(5, 5));
    ASSERT_EQ(rig.Puzzle().GetScore(), 63);
    QTest::keyClick(&rig.Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(rig.Puzzle().GetScore(), 64) << "Ctrl+N still starts a new game, not taken for two";
}

}  // namespace
