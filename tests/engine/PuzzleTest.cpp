#include <gtest/gtest.h>

#include <vector>

#include "engine/Puzzle.h"
#include "platform/fake/RecordingSurface.h"

namespace {

using platform::fake::Event;

struct Rig {
    platform::fake::EventLog log;
    platform::fake::RecordingSurface surface{log};
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks{1};
    CPuzzle puzzle{sound, ticks};
};

TEST(Random, FirstDrawsAfterSeedOne) {
    CRandom random;
    random.Seed(1);
    std::vector<int> draws;
    for (int i = 0; i < 5; ++i) draws.push_back(random.Draw());
    EXPECT_EQ(draws, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

TEST(NewGame, SeededTinyBoard) {
    Rig rig;
    rig.puzzle.Init(8, 8, 8);
    const int looks[8] = {5, 5, 4, 4, 5, 4, 0, 0};
    for (int row = 0; row < 8; ++row) EXPECT_EQ(rig.puzzle.GetTile(0, row), looks[row]) << row;
    EXPECT_EQ(rig.puzzle.GetHidden(6, 5), 2);
    for (auto [c, r] : {std::pair{0, 2}, {0, 6}, {0, 0}, {2, 1}, {2, 6}, {1, 4}}) {
        EXPECT_EQ(rig.puzzle.GetHidden(c, r), 1) << c << "," << r;
    }
    EXPECT_EQ(rig.puzzle.GetRemaining(), 8);
    EXPECT_EQ(rig.puzzle.GetScore(), 64);
}

}  // namespace
