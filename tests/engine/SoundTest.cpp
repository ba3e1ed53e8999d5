// Sound effects and the switch that silences them.
#include <gtest/gtest.h>

#include <algorithm>

#include "EngineRig.h"

namespace {

using enginetest::Event;
using enginetest::Events;
using enginetest::Rig;
using enginetest::Sound;

// Plays the same game on a board with glimbles at (1, 1), (4, 1) and two at
// (4, 4), and returns everything that reached the log.
Events PlayGame(Rig& rig) {
    rig.puzzle.Init(0, 8, 8);
    rig.puzzle.SetHidden(1, 1, 1);
    rig.puzzle.SetHidden(4, 1, 1);
    rig.puzzle.SetHidden(4, 4, 2);
    Events all;
    for (auto [c, r] : {std::pair{1, 4}, {4, 4}, {4, 4}, {4, 4}, {4, 1}, {1, 1}, {7, 7}}) {
        const Events e = rig.ClickTile(c, r);
        all.insert(all.end(), e.begin(), e.end());
    }
    return all;
}

TEST(Sound, SilencedGameIsOtherwiseUnchanged) {
    Rig loud;
    Rig quiet;
    const Events withSound = PlayGame(loud);
    quiet.puzzle.SetSoundOff(1);
    const Events silent = PlayGame(quiet);

    Events copies = withSound;
    std::erase_if(copies, [](const Event& e) { return e.kind == Event::Kind::Sound; });
    EXPECT_EQ(silent, copies);
    EXPECT_EQ(std::count(withSound.begin(), withSound.end(), Sound("MOVE")), 4);
    EXPECT_EQ(std::count(withSound.begin(), withSound.end(), Sound("SELECT")), 2);
    EXPECT_EQ(quiet.puzzle.GetScore(), loud.puzzle.GetScore());
    EXPECT_EQ(quiet.puzzle.GetRemaining(), 0);
}

TEST(Sound, AnyNonzeroFlagSilencesAndZeroRestores) {
    Rig rig;
    for (int flag : {1, -1, 7, 1 << 30}) {
        rig.puzzle.SetSoundOff(flag);
        rig.log.Clear();
        rig.puzzle.PlayWave("MOVE");
        EXPECT_TRUE(rig.log.events.empty()) << flag;
    }
    rig.puzzle.SetSoundOff(0);
    rig.log.Clear();
    rig.puzzle.PlayWave("MOVE");
    EXPECT_EQ(rig.log.events, Events{Sound("MOVE")});
}

TEST(Sound, NamesReachTheOutputUnchanged) {
    // The output decides what an unknown name does; the engine passes it on.
    Rig rig;
    for (const char* name : {"BEST", "WIN", "SELECT", "NO SUCH SOUND", ""}) {
        rig.log.Clear();
        rig.puzzle.PlayWave(name);
        EXPECT_EQ(rig.log.events, Events{Sound(name)});
    }
}

TEST(Sound, SwitchingOffMidGameTakesEffectAtTheNextClick) {
    Rig rig;
    rig.puzzle.Init(0, 8, 8);
    rig.puzzle.SetHidden(3, 3, 2);
    EXPECT_EQ(rig.ClickTile(3, 3).front(), Sound("MOVE"));
    rig.puzzle.SetSoundOff(1);
    const Events e = rig.ClickTile(3, 3);
    EXPECT_EQ(std::count(e.begin(), e.end(), Sound("MOVE")), 0);
    EXPECT_EQ(e.size(), 1u);  // the clicked tile is still drawn
    EXPECT_EQ(rig.puzzle.GetRemaining(), 0);
}

}  // namespace
