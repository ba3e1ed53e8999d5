// The first start: the engine from the stored settings, the window fitted to
// the board, nothing written, and the tips and the icon after the first paint.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include "platform/qt/pictures/EmbeddedFiles.h"
#include "shell/GameMain.h"
#include "tests/TestAccess.h"
#include "tests/TestNames.h"
#include "tests/shell/ShellRig.h"

namespace {

TEST(Startup, FreshUserGetsTheDefaultGame) {
    ShellRig rig;
    rig.Start();
    EXPECT_EQ(rig.Puzzle().GetColumns(), 8);
    EXPECT_EQ(rig.Puzzle().GetRows(), 8);
    EXPECT_EQ(rig.Puzzle().GetCount(), 8);
    EXPECT_EQ(rig.Puzzle().GetFoundBitmap(), res::kGrassTiles.found);
    EXPECT_EQ(TestAccess::SoundOff(rig.View()), 0);
    EXPECT_TRUE(rig.settings.writes.empty()) << "nothing is written at start-up";
    EXPECT_EQ(rig.Frame().windowTitle(), "Glimbles - Glimbles");
}

TEST(Startup, ReadsTheStoredSettingsInOrder) {
    ShellRig rig;
    rig.settings.values = {{"Size", " 14"}, {"Number", "9"}, {"Skin", "1"}, {"SoundOn", "1"}};
    rig.Start();
    EXPECT_EQ(rig.Puzzle().GetColumns(), 14);
    EXPECT_EQ(rig.Puzzle().GetCount(), 9);
    EXPECT_EQ(rig.Puzzle().GetFoundBitmap(), res::kSandTiles.found);
    EXPECT_EQ(TestAccess::SoundOff(rig.View()), 1);
    const std::vector<std::string> firstReads(rig.settings.reads.begin(), rig.settings.reads.begin() + 4);
    EXPECT_EQ(firstReads, (std::vector<std::string>{"Size", "Number", "Skin", "SoundOn"}));
}

struct DamagedCase {
    const char* size;
    const char* number;
    int columns;
    int count;
};

class DamagedSettings : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedSettings, StartWithinTheLimits) {
    const DamagedCase c = GetParam();
    ShellRig rig;
    rig.settings.values = {{"Size", c.size}, {"Number", c.number}};
    rig.Start();
    EXPECT_EQ(rig.Puzzle().GetColumns(), c.columns);
    EXPECT_EQ(rig.Puzzle().GetRows(), c.columns);
    EXPECT_EQ(rig.Puzzle().GetCount(), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DamagedSettings,
    ::testing::Values(DamagedCase{"abc", "8", 8, 8}, DamagedCase{"1000", "8", 8, 8}, DamagedCase{"-20", "8", 8, 8},
                      DamagedCase{"20", "-5", 20, 10}, DamagedCase{"20", "99999999999999", 20, 20},
                      DamagedCase{"17", "garbage", 17, 8}, DamagedCase{"11", "11", 11, 11}),
    [](const auto& info) { return testnames::TestName("size", info.param.size, "number", info.param.number); });

TEST(Startup, TipsOpenAfterTheFirstPaintUnlessHidden) {
    struct Case {
        std::optional<std::string> showTips;
        int opened;
    };
    for (const Case& c : {Case{std::nullopt, 1}, Case{"0", 1}, Case{"01", 1}, Case{"x", 1}, Case{"", 1}, Case{"1", 0},
                          Case{"10", 0}, Case{"1x", 0}}) {
        ShellRig rig;
        if (c.showTips) rig.settings.values["ShowTips"] = *c.showTips;
        rig.Start();
        rig.Paint();
        QApplication::processEvents();
        EXPECT_EQ(rig.dialogs.tips, c.opened) << "ShowTips " << c.showTips.value_or("(absent)");
    }
}

TEST(Startup, AClickBeforeTheTipsOpenedIsNotPlayed) {
    ShellRig rig;
    rig.Start();
    rig.View().OnLButtonDown({5, 5});  // the tips are still due
    EXPECT_EQ(rig.dialogs.tips, 1);
    EXPECT_EQ(rig.Puzzle().GetScore(), 64) << "the click that beat the tips is dropped";
    rig.View().OnLButtonDown({5, 5});
    EXPECT_EQ(rig.Puzzle().GetScore(), 63);
}

TEST(Startup, TheWindowGetsItsIconAfterTheFirstPaint) {
    ShellRig rig;
    SetWindowIconAfterFirstPaint(*qApp);
    ASSERT_TRUE(rig.app.InitInstance());
    QWindow* window = rig.Frame().windowHandle();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->icon().isNull()) << "the shown window waits for no icon";
    EXPECT_TRUE(QTest::qWaitFor([window] { return !window->icon().isNull(); })) << "no icon after the first paint";
    EXPECT_EQ(window->icon().availableSizes(), platform::qt::EmbeddedFiles::Instance().WindowIcon().availableSizes());
    QApplication::setWindowIcon(QIcon());  // the other tests' windows have none
}

}  // namespace
