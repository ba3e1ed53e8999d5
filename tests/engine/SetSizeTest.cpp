// Size changes: the glimble count follows the width and is held to the new
// size's range.
#include <gtest/gtest.h>

#include "EngineRig.h"

namespace {

using enginetest::Rig;

struct RescaleCase {
    int fromN;
    int fromCount;
    int toN;
    int count;  // expected after the change
};

void PrintTo(const RescaleCase& c, std::ostream* os) { *os << c.fromCount << " on " << c.fromN << " -> " << c.toN; }

class Rescale : public ::testing::TestWithParam<RescaleCase> {};

TEST_P(Rescale, CountAfterSizeChange) {
    const RescaleCase& c = GetParam();
    Rig rig;
    rig.puzzle.Init(c.fromCount, c.fromN, c.fromN);
    rig.puzzle.SetSize(c.toN, c.toN);
    EXPECT_EQ(rig.puzzle.GetCount(), c.count);
    EXPECT_EQ(rig.puzzle.GetRemaining(), c.count);
    EXPECT_EQ(rig.puzzle.GetColumns(), c.toN);
    EXPECT_EQ(rig.puzzle.GetRows(), c.toN);
    EXPECT_EQ(rig.puzzle.GetScore(), c.toN * c.toN);
}

INSTANTIATE_TEST_SUITE_P(Examples, Rescale,
                         ::testing::Values(RescaleCase{8, 8, 20, 20},    // 160 / 8 = 20, kept
                                           RescaleCase{11, 5, 20, 10},   // 100 / 11 = 9, raised to 10
                                           RescaleCase{17, 9, 11, 5},    // 99 / 17 = 5, kept
                                           RescaleCase{20, 10, 8, 4},    // 80 / 20 = 4, kept
                                           RescaleCase{20, 20, 8, 8},    // 160 / 20 = 8
                                           RescaleCase{14, 7, 17, 8},    // 119 / 14 = 8
                                           RescaleCase{17, 17, 14, 14},  // 238 / 17 = 14
                                           RescaleCase{8, 7, 11, 9},     // 77 / 8 = 9.6, truncated
                                           RescaleCase{14, 9, 14, 9},    // same size keeps the count
                                           RescaleCase{8, 30, 8, 8},     // same size still clamps
                                           RescaleCase{8, 1, 8, 4},      // ... from below too
                                           RescaleCase{8, 0, 20, 10}, RescaleCase{8, -5, 14, 7},
                                           // Sizes outside the table leave the count unclamped,
                                           // but for the engine's cap.
                                           RescaleCase{8, 8, 9, 9}, RescaleCase{20, 10, 5, 2},
                                           RescaleCase{20, 20, 25, CPuzzle::kMaxCount}),
                         [](const auto& info) {
                             const RescaleCase& c = info.param;
                             return testnames::TestName("count", c.fromCount, "on", c.fromN, "to", c.toN);
                         });

struct CellCase {
    int n;
    int cell;
};

class CellAfterSetSize : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellAfterSetSize, FromEverySize) {
    for (int from : {8, 11, 14, 17, 20}) {
        Rig rig;
        rig.puzzle.Init(from, from, from);
        rig.puzzle.SetSize(GetParam().n, GetParam().n);
        EXPECT_EQ(rig.puzzle.GetCellSize(), GetParam().cell) << "from " << from;
        EXPECT_EQ(rig.puzzle.GetBoardWidth(), GetParam().n * GetParam().cell);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CellAfterSetSize,
                         ::testing::Values(CellCase{8, 40}, CellCase{11, 40}, CellCase{14, 33}, CellCase{17, 27},
                                           CellCase{20, 23}),
                         [](const auto& info) { return testnames::BoardName(info.param.n); });

TEST(SetSize, KeepsTheCellSizeForASizeOutsideTheTable) {
    // Unlike Init, a size change does not go back to 40 first.
    Rig rig;
    rig.puzzle.Init(10, 20, 20);
    rig.puzzle.SetSize(9, 9);
    EXPECT_EQ(rig.puzzle.GetCellSize(), 23);
}

TEST(SetSize, ClampsByColumnsAndSizesCellsByRows) {
    Rig rig;
    rig.puzzle.Init(8, 8, 8);
    rig.puzzle.SetSize(20, 8);  // 20 x 8 / 8 = 20 within 10 .. 20; rows 8 give 40
    EXPECT_EQ(rig.puzzle.GetCount(), 20);
    EXPECT_EQ(rig.puzzle.GetCellSize(), 40);
    rig.puzzle.SetSize(8, 20);  // 8 x 20 / 20 = 8 within 4 .. 8; rows 20 give 23
    EXPECT_EQ(rig.puzzle.GetCount(), 8);
    EXPECT_EQ(rig.puzzle.GetCellSize(), 23);
}

TEST(SetSize, StartsANewGameFromTheTickCount) {
    Rig rig;
    rig.puzzle.Init(8, 8, 8);
    rig.ClickTile(0, 0);
    rig.puzzle.SetSize(8, 8);
    Rig fresh;
    fresh.puzzle.Init(8, 8, 8);
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            EXPECT_EQ(rig.puzzle.GetTile(c, r), fresh.puzzle.GetTile(c, r));
            EXPECT_EQ(rig.puzzle.GetHidden(c, r), fresh.puzzle.GetHidden(c, r));
        }
    }
}

TEST(SetSize, ShrinkingClearsEverythingOutsideTheNewBoard) {
    Rig rig;
    rig.puzzle.Init(20, 20, 20);
    rig.puzzle.SetSize(8, 8);
    for (int c = 0; c < board::kCapacity; ++c) {
        for (int r = 0; r < board::kCapacity; ++r) {
            if (c < 8 && r < 8) continue;
            EXPECT_EQ(rig.puzzle.GetTile(c, r), -1) << c << "," << r;
            EXPECT_EQ(rig.puzzle.GetHidden(c, r), 0) << c << "," << r;
        }
    }
}

}  // namespace
