// A whole game played with the mouse through the real window and view, ended
// by the real best-results walk and name prompt.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

#include "dialogs/BitmapButton.h"
#include "dialogs/GetNameDlg.h"
#include "engine/Puzzle.h"
#include "resources/CommandIds.h"
#include "shell/GameDialogs.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"
#include "tests/dialogs/ModalAnswers.h"
#include "tests/fakes/FakeServices.h"

namespace {

using platform::fake::Event;

struct GameRig {
    GameRig() { settings.values = {{"ShowTips", "1"}}; }  // no tips at start

    void Start() {
        ASSERT_TRUE(app.InitInstance());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app.View()->window()));
        // The first paint, then what follows it (the start-up tips check).
        app.View()->repaint();
        QApplication::processEvents();
        ASSERT_NE(app.View()->Puzzle(), nullptr);
    }

    // Clicks every glimble of the board with the mouse, the last click ending the game.
    void PlayToTheEnd() {
        CPuzzle& puzzle = *app.View()->Puzzle();
        struct Hit {
            int column, row, times;
        };
        std::vector<Hit> hits;
        for (int c = 0; c < puzzle.GetColumns(); ++c) {
            for (int r = 0; r < puzzle.GetRows(); ++r) {
                if (puzzle.GetHidden(c, r) > 0) hits.push_back({c, r, puzzle.GetHidden(c, r)});
            }
        }
        const int half = puzzle.GetCellSize() / 2;
        // A second quick press on the same spot would be a double click,
        // which plays nothing: the player clicks the status strip between.
        const QPoint strip(half, puzzle.GetBoardHeight() + half);
        for (const Hit& hit : hits) {
            const QPoint at(puzzle.PixelFromTile(hit.column) + half, puzzle.PixelFromTile(hit.row) + half);
            for (int i = 0; i < hit.times; ++i) {
                if (i > 0) QTest::mouseClick(app.View(), Qt::LeftButton, {}, strip);
                QTest::mouseClick(app.View(), Qt::LeftButton, {}, at);
            }
        }
    }

    std::vector<std::string> Sounds() const {
        std::vector<std::string> names;
        for (const Event& e : log.events) {
            if (e.kind == Event::Kind::Sound) names.push_back(e.sound);
        }
        return names;
    }

    FakeServices fakes{11};
    platform::fake::MemorySettingsStore& settings = fakes.settings;
    platform::fake::EventLog& log = fakes.log;
    GameDialogs dialogs{fakes.settings, fakes.shell, fakes.pictures};
    CQuelmApp app{fakes.View(dialogs)};
};

TEST(WonGame, EarnsAPlaceUnderTheTypedNameThenANewBoard) {
    GameRig rig;
    rig.Start();
    const int glimbles = rig.app.View()->Puzzle()->GetCount();

    ModalAnswers answers;
    answers.Then<CGetNameDlg>([&rig](CGetNameDlg& d) {
        EXPECT_EQ(rig.Sounds().back(), "BEST");
        EXPECT_EQ(rig.app.View()->Puzzle()->GetRemaining(), 0) << "the finished board stays while asking";
        d.NameEdit()->setFocus();
        d.NameEdit()->selectAll();
        QTest::keyClicks(d.NameEdit(), QStringLiteral("Anna"));
        QTest::keyClick(d.NameEdit(), Qt::Key_Return);
    });
    rig.PlayToTheEnd();

    EXPECT_EQ(answers.Answered(), 1);
    const std::vector<std::string> sounds = rig.Sounds();
    ASSERT_EQ(sounds.size(), static_cast<std::size_t>(glimbles) + 1);
    EXPECT_EQ(sounds.back(), "BEST");
    EXPECT_EQ(rig.settings.values["8_8_8_0/Rez"], std::to_string(64 - glimbles));
    EXPECT_EQ(rig.settings.values["8_8_8_0/Name"], "Anna");
    EXPECT_EQ(rig.settings.values["LasName"], "Anna");

    // The next board is ready with the same size and count.
    const CPuzzle& next = *rig.app.View()->Puzzle();
    EXPECT_EQ(next.GetScore(), 64);
    EXPECT_EQ(next.GetRemaining(), glimbles);
}

TEST(WonGame, NoPlacePlaysWinWithoutAPrompt) {
    GameRig rig;
    for (int i = 0; i < 10; ++i) rig.settings.values["8_8_8_" + std::to_string(i) + "/Rez"] = "64";
    rig.Start();
    ModalAnswers answers;  // any dialog fails the test
    rig.PlayToTheEnd();
    EXPECT_EQ(rig.Sounds().back(), "WIN");
    EXPECT_EQ(rig.settings.values["8_8_8_9/Rez"], "64");
    EXPECT_EQ(rig.app.View()->Puzzle()->GetScore(), 64);
}

}  // namespace
