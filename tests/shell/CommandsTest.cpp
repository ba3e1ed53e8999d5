// Menu commands: what each changes in the game and what it stores, and the
// check marks the menu shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/Text.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "tests/TestAccess.h"
#include "tests/shell/ShellRig.h"

namespace {

using Write = platform::fake::MemorySettingsStore::WriteRecord;

TEST(SizeCommands, RescaleTheCountAndStoreBothInOneSave) {
    struct Case {
        int fromSize, fromCount, command, toSize, toCount;
    };
    for (const Case& c :
         {Case{8, 8, res::kLargestBoard.command, 20, 20}, Case{20, 10, res::kSmallestBoard.command, 8, 4},
          Case{8, 8, res::FindBoardSize(17)->command, 17, 17}, Case{11, 5, res::kLargestBoard.command, 20, 10},
          Case{14, 9, res::FindBoardSize(14)->command, 14, 9}}) {
        ShellRig rig;
        rig.settings.values = {{"Size", std::to_string(c.fromSize)}, {"Number", std::to_string(c.fromCount)}};
        rig.Start();
        rig.Frame().OnCommand(c.command);
        EXPECT_EQ(rig.Puzzle().GetColumns(), c.toSize);
        EXPECT_EQ(rig.Puzzle().GetCount(), c.toCount);
        EXPECT_EQ(rig.settings.writes,
                  (std::vector<Write>{{"Size", std::to_string(c.toSize)}, {"Number", std::to_string(c.toCount)}}));
        EXPECT_EQ(rig.settings.saves, std::vector<std::size_t>{2});
    }
}

TEST(TileCommands, SwitchPicturesKeepTheBoardAndStore) {
    ShellRig rig;
    rig.Start();
    rig.View().OnLButtonDown({5, 5});  // tips
    rig.View().OnLButtonDown({45, 45});
    const int tile = rig.Puzzle().GetTile(1, 1);
    rig.Frame().OnCommand(res::ID_TILES_SAND);
    EXPECT_EQ(rig.Puzzle().GetFoundBitmap(), res::kSandTiles.found);
    EXPECT_EQ(rig.Puzzle().GetTile(1, 1), tile) << "the game goes on";
    rig.Frame().OnCommand(res::ID_TILES_GRASS);
    EXPECT_EQ(rig.Puzzle().GetFoundBitmap(), res::kGrassTiles.found);
    EXPECT_EQ(rig.settings.writes, (std::vector<Write>{{"Skin", "1"}, {"Skin", "0"}}));
}

TEST(SoundCommand, FlipsTheFlagAndStoresIt) {
    ShellRig rig;
    rig.Start();
    rig.Frame().OnCommand(res::ID_SOUND);
    EXPECT_EQ(TestAccess::SoundOff(rig.View()), 1);
    rig.Puzzle().PlayWave("MOVE");
    EXPECT_TRUE(rig.log.events.empty()) << "silent";
    rig.Frame().OnCommand(res::ID_SOUND);
    rig.Puzzle().PlayWave("MOVE");
    EXPECT_EQ(rig.log.events.size(), 1u);
    EXPECT_EQ(rig.settings.writes, (std::vector<Write>{{"SoundOn", "1"}, {"SoundOn", "0"}}));
}

TEST(NewGame, RestoresThePointsAndStoresNothing) {
    ShellRig rig;
    rig.Start();
    rig.View().OnLButtonDown({5, 5});  // tips
    rig.View().OnLButtonDown({5, 5});
    ASSERT_EQ(rig.Puzzle().GetScore(), 63);
    rig.Frame().OnCommand(res::ID_FILE_NEW);
    EXPECT_EQ(rig.Puzzle().GetScore(), 64);
    EXPECT_TRUE(rig.settings.writes.empty());
}

TEST(CountCommand, StartsAGameWithTheChosenCount) {
    ShellRig rig;
    rig.settings.values = {{"Size", "14"}, {"Number", "9"}};
    rig.Start();
    rig.dialogs.countAnswer = 12;
    rig.Frame().OnCommand(res::ID_NUMBER_OF_GLIMBLES);
    EXPECT_EQ(rig.dialogs.countAsked, (std::vector<int>{7, 14, 9}));
    EXPECT_EQ(rig.Puzzle().GetCount(), 12);
    EXPECT_EQ(rig.Puzzle().GetRemaining(), 12);
    EXPECT_EQ(rig.settings.writes, (std::vector<Write>{{"Number", "12"}}));

    rig.dialogs.countAnswer.reset();  // Cancel changes nothing
    rig.View().OnLButtonDown({5, 5});
    const int score = rig.Puzzle().GetScore();
    rig.Frame().OnCommand(res::ID_NUMBER_OF_GLIMBLES);
    EXPECT_EQ(rig.Puzzle().GetScore(), score);
    EXPECT_EQ(rig.settings.writes.size(), 1u);
}

// The check marks as the menus show them when they open.
std::map<QString, bool> CheckMarks(CMainFrame& frame) {
    std::map<QString, bool> marks;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        emit menu->aboutToShow();
        for (QAction* action : menu->actions()) {
            if (action->menu() != nullptr) {
                walk(action->menu());
            } else {
                marks[action->text()] = action->isCheckable() && action->isChecked();
            }
        }
    };
    for (QAction* top : frame.menuBar()->actions()) walk(top->menu());
    return marks;
}

TEST(CheckMarks, FollowTheGame) {
    ShellRig rig;
    rig.Start();
    auto marks = CheckMarks(rig.Frame());
    EXPECT_TRUE(marks["Tiny"]);
    EXPECT_FALSE(marks["Huge"]);
    EXPECT_TRUE(marks["Grass"]);
    EXPECT_FALSE(marks["Sand"]);
    EXPECT_TRUE(marks["Sound"]);
    EXPECT_FALSE(marks["&New\tCtrl+N"]);

    rig.Frame().OnCommand(res::kLargestBoard.command);
    rig.Frame().OnCommand(res::ID_TILES_SAND);
    rig.Frame().OnCommand(res::ID_SOUND);
    marks = CheckMarks(rig.Frame());
    EXPECT_FALSE(marks["Tiny"]);
    EXPECT_TRUE(marks["Huge"]);
    EXPECT_FALSE(marks["Grass"]);
    EXPECT_TRUE(marks["Sand"]);
    EXPECT_FALSE(marks["Sound"]);
    int sizesChecked = 0;
    for (const res::BoardSize& size : res::kBoardSizes) sizesChecked += marks[platform::qt::ToQString(size.name)];
    EXPECT_EQ(sizesChecked, 1);
}

TEST(Menu, ItemsInOrderWithTheirTexts) {
    ShellRig rig;
    rig.Start();
    QStringList tops;
    for (QAction* top : rig.Frame().menuBar()->actions()) tops << top->text();
    EXPECT_EQ(tops, (QStringList{"Game", "Options", "&Help"}));
    const auto marks = CheckMarks(rig.Frame());
    for (const char* item :
         {"&New", "Show Tips", "E&xit", "Number of Glimbles", "&About ...", "Help", "Best Results ..."}) {
        EXPECT_EQ(marks.count(item), 1u) << item;
    }
}

}  // namespace
