// Values no menu can produce, reaching the engine from a damaged settings
// store or from tools: nothing may crash or write outside the 25 x 25 arrays.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "EngineRig.h"

namespace {

using enginetest::Event;
using enginetest::Events;
using enginetest::Rig;

// A rig with guard words around the engine, to notice stray writes next to it.
struct GuardedRig {
    static constexpr std::uint64_t kGuard = 0xA5A5A5A5DEADBEEFull;
    std::uint64_t before[32];
    Rig rig;
    std::uint64_t after[32];

    GuardedRig() {
        std::fill(std::begin(before), std::end(before), kGuard);
        std::fill(std::begin(after), std::end(after), kGuard);
    }
    bool Intact() const {
        return std::all_of(std::begin(before), std::end(before), [](auto g) { return g == kGuard; }) &&
               std::all_of(std::begin(after), std::end(after), [](auto g) { return g == kGuard; });
    }
};

// Every tile outside the board reads -1 with nothing hidden, and the board
// holds exactly its columns x rows tiles.
void ExpectCleanOutside(const CPuzzle& p) {
    for (int c = 0; c < board::kCapacity; ++c) {
        for (int r = 0; r < board::kCapacity; ++r) {
            if (c < p.GetColumns() && r < p.GetRows()) {
                EXPECT_NE(p.GetTile(c, r), -1) << c << "," << r;
            } else {
                EXPECT_EQ(p.GetTile(c, r), -1) << c << "," << r;
                EXPECT_EQ(p.GetHidden(c, r), 0) << c << "," << r;
            }
        }
    }
}

struct DimensionCase {
    int asked;
    int used;
};

class DamagedDimensions : public ::testing::TestWithParam<DimensionCase> {};

TEST_P(DamagedDimensions, AreHeldTo1Through25) {
    const auto [asked, used] = GetParam();
    GuardedRig g;
    CPuzzle& p = g.rig.puzzle;
    p.Init(8, asked, asked);
    EXPECT_EQ(p.GetColumns(), used);
    EXPECT_EQ(p.GetRows(), used);
    EXPECT_EQ(p.GetRemaining(), 8);
    ExpectCleanOutside(p);
    EXPECT_EQ(g.rig.DrawBoard().size(), static_cast<std::size_t>(used * used));

    p.Init(8, asked, 11);  // one side damaged
    EXPECT_EQ(p.GetColumns(), used);
    EXPECT_EQ(p.GetRows(), 11);
    ExpectCleanOutside(p);

    p.Init(8, 8, 8);
    p.SetSize(asked, asked);
    EXPECT_EQ(p.GetColumns(), used);
    EXPECT_EQ(p.GetRows(), used);
    ExpectCleanOutside(p);

    // Click every tile of the board and beyond it.
    for (int x = 0; x < 26 * 40; x += 20) {
        for (int y = 0; y < 26 * 40; y += 20) p.Click(g.rig.surface, x, y);
    }
    EXPECT_EQ(p.GetRemaining(), 0);
    ExpectCleanOutside(p);
    for (const Event& e : g.rig.log.events) {
        if (e.kind != Event::Kind::Copy) continue;
        EXPECT_LE(e.dst.x + e.dst.w, 25 * 40);
        EXPECT_LE(e.dst.y + e.dst.h, 25 * 40);
    }
    EXPECT_TRUE(g.Intact());
}

INSTANTIATE_TEST_SUITE_P(Values, DamagedDimensions,
                         ::testing::Values(DimensionCase{0, 1}, DimensionCase{-3, 1}, DimensionCase{26, 25},
                                           DimensionCase{1000, 25}, DimensionCase{INT_MIN, 1},
                                           DimensionCase{INT_MAX, 25}, DimensionCase{1, 1}, DimensionCase{25, 25}),
                         [](const auto& info) { return testnames::TestName("asked", info.param.asked); });

TEST(DamagedCount, HugeCountsAreCapped) {
    GuardedRig g;
    CPuzzle& p = g.rig.puzzle;
    p.Init(INT_MAX, 8, 8);
    EXPECT_EQ(p.GetCount(), CPuzzle::kMaxCount);
    EXPECT_EQ(p.GetRemaining(), CPuzzle::kMaxCount);
    ExpectCleanOutside(p);

    p.NewGame(CPuzzle::kMaxCount + 1);
    EXPECT_EQ(p.GetCount(), CPuzzle::kMaxCount);

    // Rescaling a capped count cannot overflow, and the new size clamps it.
    p.SetSize(20, 20);
    EXPECT_EQ(p.GetCount(), 20);
    p.NewGame(INT_MAX);
    p.SetSize(25, 25);  // no clamp for 25: only the cap
    EXPECT_EQ(p.GetCount(), CPuzzle::kMaxCount);

    // One tile under the whole stack: every click collects one glimble and
    // the tile stays a found tile showing what is left, down to a won game.
    p.Init(INT_MAX, 1, 1);
    for (int left = CPuzzle::kMaxCount - 1; left >= 0; --left) {
        p.Click(g.rig.surface, 0, 0);
        ASSERT_EQ(p.GetRemaining(), left);
        ASSERT_EQ(p.GetTile(0, 0), tile::Found(left));
    }
    EXPECT_EQ(p.GetScore(), 1 - CPuzzle::kMaxCount);
    EXPECT_TRUE(g.Intact());
}

TEST(DamagedCount, NegativeCountsPlaceNothing) {
    for (int count : {-1, -20, INT_MIN}) {
        Rig rig;
        rig.puzzle.Init(count, 8, 8);
        EXPECT_EQ(rig.puzzle.GetRemaining(), 0) << count;
        EXPECT_EQ(rig.puzzle.GetCount(), count);
        rig.puzzle.SetSize(11, 11);
        EXPECT_EQ(rig.puzzle.GetCount(), 5) << count;  // raised to the new minimum
    }
}

TEST(DamagedClicks, FarCoordinatesAreIgnored) {
    GuardedRig g;
    CPuzzle& p = g.rig.puzzle;
    p.Init(10, 20, 20);
    for (auto [x, y] : {std::pair{-1, 0},
                        {0, -1},
                        {-1, -1},
                        {-39, 5},
                        {INT_MIN, 0},
                        {0, INT_MIN},
                        {INT_MIN, INT_MIN},
                        {INT_MAX, INT_MAX},
                        {460, 0},
                        {25 * 40, 0},
                        {0, 25 * 40 + 1}}) {
        EXPECT_EQ(g.rig.ClickPixel(x, y), Events{}) << x << "," << y;
    }
    EXPECT_EQ(p.GetScore(), 400);
    EXPECT_EQ(p.GetRemaining(), 10);
    EXPECT_TRUE(g.Intact());
}

TEST(DamagedCalls, OffBoardTilesAreLeftAlone) {
    GuardedRig g;
    CPuzzle& p = g.rig.puzzle;
    p.Init(8, 8, 8);
    for (auto [c, r] : {std::pair{-1, 0},
                        {0, -1},
                        {8, 0},
                        {0, 8},
                        {24, 24},
                        {25, 0},
                        {0, 25},
                        {INT_MIN, INT_MAX},
                        {INT_MAX, INT_MIN}}) {
        g.rig.log.Clear();
        p.SetHidden(c, r, 5);
        p.SetTile(c, r, 33);
        p.DecrementTile(g.rig.surface, c, r);
        p.UpdateLines(g.rig.surface, c, r);
        p.DrawTile(g.rig.surface, c, r);
        EXPECT_EQ(p.CountLines(c, r), 0) << c << "," << r;
        EXPECT_TRUE(g.rig.log.events.empty()) << c << "," << r;
    }
    EXPECT_EQ(p.GetRemaining(), 8);
    ExpectCleanOutside(p);
    EXPECT_TRUE(g.Intact());
}

TEST(DamagedCalls, BeforeInitNothingHappens) {
    GuardedRig g;
    CPuzzle& p = g.rig.puzzle;
    p.Click(g.rig.surface, 0, 0);
    p.Click(g.rig.surface, 100, 100);
    p.DrawBoard(g.rig.surface);
    p.DrawTile(g.rig.surface, 0, 0);
    p.UpdateLines(g.rig.surface, 0, 0);
    p.DecrementTile(g.rig.surface, 0, 0);
    p.SetHidden(0, 0, 3);
    p.SetTile(0, 0, 3);
    EXPECT_EQ(p.CountLines(0, 0), 0);
    EXPECT_EQ(p.GetRemaining(), 0);
    EXPECT_TRUE(g.rig.log.events.empty());

    p.NewGame(5);  // no dimensions yet: no board, nothing placed
    EXPECT_EQ(p.GetRemaining(), 0);
    EXPECT_EQ(p.GetTile(0, 0), -1);
    EXPECT_TRUE(g.rig.DrawBoard().empty());
    EXPECT_TRUE(g.Intact());
}

TEST(DamagedCalls, SetSizeBeforeInitMakesAFullBoard) {
    Rig rig;
    rig.puzzle.SetSize(8, 8);
    EXPECT_EQ(rig.puzzle.GetColumns(), 8);
    EXPECT_EQ(rig.puzzle.GetCount(), 4);  // no old width to rescale from; clamped up
    EXPECT_EQ(rig.puzzle.GetRemaining(), 4);
    EXPECT_EQ(rig.puzzle.GetScore(), 64);
    ExpectCleanOutside(rig.puzzle);
}

TEST(DamagedCalls, ReadsOutsideTheCapacityAreHarmless) {
    Rig rig;
    rig.puzzle.Init(8, 8, 8);
    for (auto [c, r] : {std::pair{-1, 0}, {25, 0}, {0, 25}, {INT_MIN, INT_MIN}}) {
        EXPECT_EQ(rig.puzzle.GetTile(c, r), -1);
        EXPECT_EQ(rig.puzzle.GetHidden(c, r), 0);
    }
}

}  // namespace
