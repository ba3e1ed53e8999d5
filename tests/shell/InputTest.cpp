// Mouse and keyboard: a click plays one move and redraws only what changed;
// clicks off the board, double clicks and edit keys change nothing.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include "platform/qt/Text.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "resources/Menu.h"
#include "tests/shell/ShellRig.h"

namespace {

// The rig, started and past the start-up tips.
struct Playing : ShellRig {
    Playing() {
        settings.values.emplace("ShowTips", "1");
        Start();
        Frame().activateWindow();
        Paint();
    }
};

TEST(Click, ChangesOnlyTheTileItsLinesAndTheCounters) {
    Playing rig;
    // One glimble on (4, 4) and an uncovered tile on each of its four lines.
    rig.Puzzle().Init(0, 8, 8);
    rig.Puzzle().SetHidden(4, 4, 1);
    rig.Frame().OnCommand(res::ID_TILES_GRASS);  // repaint the new position
    rig.Paint();
    for (auto [c, r] : {std::pair{0, 4}, {4, 7}, {1, 1}, {7, 1}}) rig.View().OnLButtonDown({c * 40 + 1, r * 40 + 1});
    rig.Paint();
    const QImage before = rig.View().WindowImage();

    rig.View().OnLButtonDown({4 * 40 + 20, 4 * 40 + 20});
    const QImage after = rig.View().WindowImage();
    ASSERT_EQ(before.size(), after.size());

    auto mayChange = [](int x, int y) {
        if (y >= 320) return true;  // the status strip
        const int c = x / 40, r = y / 40;
        return (c == 4 && r == 4) || (c == 0 && r == 4) || (c == 4 && r == 7) || (c == 1 && r == 1) ||
               (c == 7 && r == 1);
    };
    int changedOnBoard = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y)) continue;
            EXPECT_TRUE(mayChange(x, y)) << "pixel " << x << "," << y;
            if (y < 320) ++changedOnBoard;
            if (!mayChange(x, y)) return;
        }
    }
    EXPECT_GT(changedOnBoard, 0);
    EXPECT_EQ(rig.Puzzle().GetRemaining(), 0);
}

TEST(Click, OnTheStatusStripChangesNothing) {
    Playing rig;
    const int score = rig.Puzzle().GetScore();
    rig.View().OnLButtonDown({100, 340});
    rig.View().OnLButtonDown({319, 377});
    EXPECT_EQ(rig.Puzzle().GetScore(), score);
    EXPECT_TRUE(rig.log.events.empty()) << "no sound";
}

TEST(Click, ModifiersMakeNoDifferenceAndOnlyTheLeftButtonPlays) {
    Playing rig;
    QTest::mouseClick(&rig.View(), Qt::LeftButton, Qt::ShiftModifier, {5, 5});
    QTest::mouseClick(&rig.View(), Qt::LeftButton, Qt::ControlModifier, {45, 5});
    QTest::mouseClick(&rig.View(), Qt::RightButton, Qt::NoModifier, {85, 5});
    EXPECT_EQ(rig.Puzzle().GetScore(), 62);
}

TEST(Click, ADoubleClickUncoversOnce) {
    Playing rig;
    rig.Puzzle().Init(3, 8, 8);
    rig.Puzzle().SetHidden(2, 2, 3);  // more than one press could collect
    // What the platform sends for a double click: press, release, double
    // click, release.
    const QPointF at(2 * 40 + 5, 2 * 40 + 5);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, rig.View().mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&rig.View(), &event);
    }
    EXPECT_EQ(rig.Puzzle().GetHidden(2, 2), 2);
}

TEST(Click, TheLastGlimbleEndsTheGame) {
    Playing rig;
    rig.Puzzle().Init(0, 8, 8);
    rig.Puzzle().SetHidden(3, 3, 1);
    rig.View().OnLButtonDown({3 * 40 + 5, 3 * 40 + 5});
    ASSERT_EQ(rig.dialogs.results.size(), 1u);
    EXPECT_EQ(rig.dialogs.results[0], (ScriptedDialogs::Result{8, 8, 0, 63}));
    EXPECT_EQ(rig.Puzzle().GetScore(), 64) << "a new board at once";
}

TEST(Keys, CtrlNStartsANewGameAndCtrlCDoesNothing) {
    Playing rig;
    QApplication::setActiveWindow(&rig.Frame());
    rig.View().OnLButtonDown({5, 5});
    ASSERT_EQ(rig.Puzzle().GetScore(), 63);
    QTest::keyClick(&rig.Frame(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(rig.Puzzle().GetScore(), 63);
    QTest::keyClick(&rig.Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(rig.Puzzle().GetScore(), 64);
}

}  // namespace

namespace {

TEST(Click, BeforeTheFirstPaintPlaysWithoutAWord) {
    QStringList messages;
    static QStringList* sink = nullptr;
    sink = &messages;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                                                const QString& m) { *sink << m; });
    ShellRig rig;
    rig.settings.values.emplace("ShowTips", "1");
    ASSERT_TRUE(rig.app.InitInstance());  // shown, not yet painted
    rig.View().OnLButtonDown({5, 5});
    qInstallMessageHandler(previous);
    EXPECT_EQ(rig.Puzzle().GetScore(), 63);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

}  // namespace

namespace {

// F10 opens the first menu, as on other desktop programs.
TEST(Keys, F10OpensTheGameMenu) {
    Playing rig;
    QApplication::setActiveWindow(&rig.Frame());
    QTest::keyClick(&rig.Frame(), Qt::Key_F10);
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->title(), platform::qt::ToQString(res::MainMenu()[0].text));
    open->close();
}

}  // namespace
