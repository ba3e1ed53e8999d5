// New boards: looks, placement of the glimbles, score and geometry.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "EngineRig.h"

namespace {

using enginetest::Rig;

// Sum of the hidden counts over the whole 25 x 25 capacity.
int HiddenEverywhere(const CPuzzle& p) {
    int sum = 0;
    for (int c = 0; c < board::kCapacity; ++c) {
        for (int r = 0; r < board::kCapacity; ++r) sum += p.GetHidden(c, r);
    }
    return sum;
}

TEST(SeededTinyBoard, LooksOfColumnZero) {
    Rig rig;
    rig.ticks.value = 1;
    rig.puzzle.Init(8, 8, 8);
    const int looks[8] = {5, 5, 4, 4, 5, 4, 0, 0};
    for (int row = 0; row < 8; ++row) EXPECT_EQ(rig.puzzle.GetTile(0, row), looks[row]) << row;
}

TEST(SeededTinyBoard, GlimblesInDrawingOrder) {
    // The placement draws follow the 64 look draws, a column then a row each.
    CRandom random;
    random.Seed(1);
    for (int i = 0; i < 64; ++i) random.Draw();
    std::vector<std::pair<int, int>> placed;
    for (int i = 0; i < 8; ++i) {
        const int column = random.Below(8);
        placed.emplace_back(column, random.Below(8));
    }
    const std::vector<std::pair<int, int>> expected = {{0, 2}, {0, 6}, {0, 0}, {6, 5}, {2, 1}, {2, 6}, {6, 5}, {1, 4}};
    EXPECT_EQ(placed, expected);

    // The engine puts exactly these glimbles on the board, two on (6, 5).
    Rig rig;
    rig.puzzle.Init(8, 8, 8);
    int want[8][8] = {};
    for (auto [c, r] : expected) ++want[c][r];
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) EXPECT_EQ(rig.puzzle.GetHidden(c, r), want[c][r]) << c << "," << r;
    }
    EXPECT_EQ(rig.puzzle.GetHidden(6, 5), 2);
    EXPECT_EQ(rig.puzzle.GetRemaining(), 8);
    EXPECT_EQ(rig.puzzle.GetScore(), 64);
}

struct SizeCase {
    int n;
    int cell;
    int edge;  // board width and height in pixels
};

class EverySize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(EverySize, ScoreGeometryAndFreshBoard) {
    const SizeCase& s = GetParam();
    for (std::uint32_t seed : {0u, 1u, 777u, 0xFFFFFFFFu}) {
        Rig rig;
        rig.ticks.value = seed;
        rig.puzzle.Init(s.n, s.n, s.n);
        EXPECT_EQ(rig.puzzle.GetScore(), s.n * s.n);
        EXPECT_EQ(rig.puzzle.GetCellSize(), s.cell);
        EXPECT_EQ(rig.puzzle.GetBoardWidth(), s.edge);
        EXPECT_EQ(rig.puzzle.GetBoardHeight(), s.edge);
        for (int c = 0; c < board::kCapacity; ++c) {
            for (int r = 0; r < board::kCapacity; ++r) {
                const int code = rig.puzzle.GetTile(c, r);
                if (c < s.n && r < s.n) {
                    EXPECT_TRUE(code >= 0 && code <= 5) << c << "," << r << " code " << code;
                } else {
                    EXPECT_EQ(code, -1) << c << "," << r;
                    EXPECT_EQ(rig.puzzle.GetHidden(c, r), 0) << c << "," << r;
                }
            }
        }
        EXPECT_EQ(HiddenEverywhere(rig.puzzle), s.n);
        EXPECT_EQ(rig.puzzle.GetRemaining(), s.n);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, EverySize,
                         ::testing::Values(SizeCase{8, 40, 320}, SizeCase{11, 40, 440}, SizeCase{14, 33, 462},
                                           SizeCase{17, 27, 459}, SizeCase{20, 23, 460}),
                         [](const auto& info) { return testnames::BoardName(info.param.n); });

TEST(NewGame, SameTickSameBoardOtherTickOtherBoard) {
    Rig a, b, c;
    a.ticks.value = b.ticks.value = 4242;
    c.ticks.value = 4243;
    a.puzzle.Init(14, 14, 14);
    b.puzzle.Init(14, 14, 14);
    c.puzzle.Init(14, 14, 14);
    bool differs = false;
    for (int col = 0; col < 14; ++col) {
        for (int row = 0; row < 14; ++row) {
            EXPECT_EQ(a.puzzle.GetTile(col, row), b.puzzle.GetTile(col, row));
            EXPECT_EQ(a.puzzle.GetHidden(col, row), b.puzzle.GetHidden(col, row));
            differs |= a.puzzle.GetTile(col, row) != c.puzzle.GetTile(col, row);
        }
    }
    EXPECT_TRUE(differs);
}

TEST(NewGame, ReseedsFromTheTickCountEveryTime) {
    // The count dialog followed by New within one tick gives the same board.
    Rig rig;
    rig.ticks.value = 99;
    rig.puzzle.Init(8, 8, 8);
    const int first = rig.puzzle.GetTile(3, 3);
    const int hidden = rig.puzzle.GetHidden(0, 0);
    rig.puzzle.Click(rig.surface, 5, 5);  // the game moves on ...
    rig.puzzle.NewGame(8);                // ... and a new game in the same tick starts over
    EXPECT_EQ(rig.puzzle.GetTile(3, 3), first);
    EXPECT_EQ(rig.puzzle.GetHidden(0, 0), hidden);
    EXPECT_EQ(rig.puzzle.GetScore(), 64);
}

TEST(NewGame, ZeroGlimblesIsWonFromTheStart) {
    Rig rig;
    rig.puzzle.Init(0, 8, 8);
    EXPECT_EQ(rig.puzzle.GetRemaining(), 0);
    EXPECT_EQ(HiddenEverywhere(rig.puzzle), 0);
}

TEST(NewGame, MoreGlimblesThanTilesAllStack) {
    Rig rig;
    rig.puzzle.Init(CPuzzle::kMaxCount, 4, 4);
    EXPECT_EQ(rig.puzzle.GetCount(), CPuzzle::kMaxCount);
    EXPECT_EQ(rig.puzzle.GetRemaining(), CPuzzle::kMaxCount);
    rig.puzzle.Init(9, 2, 2);
    EXPECT_EQ(rig.puzzle.GetRemaining(), 9);
}

TEST(NewGame, KeepsDimensionsAndDiscardsTheOldBoard) {
    Rig rig;
    rig.puzzle.Init(8, 8, 8);
    rig.ClickTile(0, 0);
    rig.ticks.value = 2;
    rig.puzzle.NewGame(5);
    EXPECT_EQ(rig.puzzle.GetCount(), 5);
    EXPECT_EQ(rig.puzzle.GetColumns(), 8);
    EXPECT_EQ(rig.puzzle.GetRows(), 8);
    EXPECT_EQ(rig.puzzle.GetScore(), 64);
    EXPECT_EQ(rig.puzzle.GetRemaining(), 5);
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) EXPECT_LE(rig.puzzle.GetTile(c, r), 5);
    }
}

TEST(Init, ResetsTheCellSizeForSizesOutsideTheTable) {
    Rig rig;
    rig.puzzle.Init(10, 20, 20);
    ASSERT_EQ(rig.puzzle.GetCellSize(), 23);
    rig.puzzle.Init(5, 9, 9);
    EXPECT_EQ(rig.puzzle.GetCellSize(), 40);
    EXPECT_EQ(rig.puzzle.GetBoardWidth(), 360);
}

TEST(Init, CellSizeFollowsTheRowCount) {
    Rig rig;
    rig.puzzle.Init(5, 8, 20);
    EXPECT_EQ(rig.puzzle.GetCellSize(), 23);
    EXPECT_EQ(rig.puzzle.GetBoardWidth(), 8 * 23);
    EXPECT_EQ(rig.puzzle.GetBoardHeight(), 20 * 23);
    EXPECT_EQ(rig.puzzle.GetScore(), 160);
}

TEST(ClearBoard, EmptiesTheWholeCapacity) {
    Rig rig;
    rig.puzzle.Init(20, 20, 20);
    rig.puzzle.ClearBoard();
    for (int c = 0; c < board::kCapacity; ++c) {
        for (int r = 0; r < board::kCapacity; ++r) {
            EXPECT_EQ(rig.puzzle.GetTile(c, r), -1);
            EXPECT_EQ(rig.puzzle.GetHidden(c, r), 0);
        }
    }
}

TEST(Construction, NoBoardYet) {
    Rig rig;
    EXPECT_EQ(rig.puzzle.GetColumns(), -1);
    EXPECT_EQ(rig.puzzle.GetRows(), -1);
    EXPECT_EQ(rig.puzzle.GetCount(), 0);
    EXPECT_EQ(rig.puzzle.GetScore(), 0);
    EXPECT_EQ(rig.puzzle.GetCellSize(), 40);
    EXPECT_EQ(rig.puzzle.GetFoundBitmap(), 132);
    EXPECT_EQ(rig.puzzle.GetTile(0, 0), -1);
    EXPECT_EQ(rig.puzzle.GetRemaining(), 0);
}

}  // namespace
