// What assistive tools read of the view: the board as a table of named
// tiles, the two counters as values, and the events after moves and keys.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QTest>

#include <algorithm>
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
    QAccessibleInterface* Counter(int which) { return View()->child(1 + which); }
    bool HeardName(QAccessible::Event type, const QString& name) {
        return std::any_of(g_heard.begin(), g_heard.end(),
                           [&](const Heard& h) { return h.type == type && h.name == name; });
    }
};

TEST(Accessibility, TheBoardIsATableOfNamedTiles) {
    ReadRig rig;
    ASSERT_NE(rig.View(), nullptr);
    ASSERT_EQ(rig.View()->childCount(), 3);
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

TEST(Accessibility, AMoveChangesTheCountersAndTheTileAndIsAnnounced) {
    ReadRig rig;
    QAccessibleInterface* cell = rig.Board()->tableInterface()->cellAt(4, 2);
    const int cellSize = rig.Puzzle().GetCellSize();
    rig.ShellRig::View().OnLButtonDown({2 * cellSize + 5, 4 * cellSize + 5});
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("column 3, row 5, glimble found, 0 on its lines"));
    EXPECT_EQ(rig.Counter(0)->text(QAccessible::Name), QStringLiteral("Points"));
    EXPECT_EQ(rig.Counter(0)->valueInterface()->currentValue().toInt(), 63);
    EXPECT_EQ(rig.Counter(1)->text(QAccessible::Name), QStringLiteral("Glimbles"));
    EXPECT_EQ(rig.Counter(1)->text(QAccessible::Value), QStringLiteral("1"));
    EXPECT_TRUE(rig.HeardName(QAccessible::NameChanged, cell->text(QAccessible::Name)));
    const auto points = std::find_if(g_heard.begin(), g_heard.end(), [](const Heard& h) {
        return h.type == QAccessible::ValueChanged && h.name == QStringLiteral("Points");
    });
    ASSERT_NE(points, g_heard.end());
    EXPECT_EQ(points->value.toInt(), 63);
    EXPECT_TRUE(rig.HeardName(QAccessible::ValueChanged, QStringLiteral("Glimbles")));
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
