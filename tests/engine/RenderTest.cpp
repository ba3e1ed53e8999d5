// Drawing tiles from the picture strips.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "EngineRig.h"

namespace {

using enginetest::Copy;
using enginetest::Event;
using enginetest::Events;
using enginetest::Rig;

void UseSand(CPuzzle& p) {
    p.SetFoundBitmap(res::kSandTiles.found);
    p.SetEmptyBitmap(res::kSandTiles.empty);
    p.SetCoveredBitmap(res::kSandTiles.covered);
}

struct FrameCase {
    int code;
    int grassBitmap;
    int sandBitmap;
    int frame;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << "code " << c.code; }

class TileFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(TileFrames, GrassAndSand) {
    const FrameCase& f = GetParam();
    Rig rig;
    rig.puzzle.Init(0, 8, 8);
    rig.puzzle.SetTile(2, 5, f.code);
    EXPECT_EQ(rig.DrawTile(2, 5), Events{Copy(f.grassBitmap, f.frame, 2, 5, 40)});
    UseSand(rig.puzzle);
    EXPECT_EQ(rig.DrawTile(2, 5), Events{Copy(f.sandBitmap, f.frame, 2, 5, 40)});
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TileFrames,
    ::testing::Values(
        // Covered looks; codes 6 to 9 no new game deals show the last look.
        FrameCase{0, 131, 146, 0}, FrameCase{5, 131, 146, 5}, FrameCase{6, 131, 146, 5}, FrameCase{9, 131, 146, 5},
        // Found tiles: numbers 0 to 14 from the found strip ...
        FrameCase{10, 132, 148, 0}, FrameCase{13, 132, 148, 3}, FrameCase{24, 132, 148, 14},
        // ... 15 to 19 from its extension strip.
        FrameCase{25, 155, 157, 0}, FrameCase{29, 155, 157, 4},
        // Empty tiles: 0 to 14, then 15 to 20 from the extension, above 20 its last frame.
        FrameCase{30, 130, 147, 0}, FrameCase{44, 130, 147, 14}, FrameCase{45, 156, 158, 0}, FrameCase{49, 156, 158, 4},
        FrameCase{50, 156, 158, 5}, FrameCase{51, 156, 158, 5}, FrameCase{100030, 156, 158, 5}),
    [](const auto& info) { return testnames::TestName("code", info.param.code); });

TEST(Render, AStripWithoutExtensionShowsItsLastNumber) {
    Rig rig;
    rig.puzzle.Init(0, 8, 8);
    rig.puzzle.SetFoundBitmap(900);
    rig.puzzle.SetEmptyBitmap(901);
    rig.puzzle.SetTile(0, 0, 27);  // found, 17
    rig.puzzle.SetTile(1, 0, 60);  // empty, 30
    rig.puzzle.SetTile(2, 0, 33);  // empty, 3: below 15 the strip itself
    EXPECT_EQ(rig.DrawTile(0, 0), Events{Copy(900, 14, 0, 0, 40)});
    EXPECT_EQ(rig.DrawTile(1, 0), Events{Copy(901, 14, 1, 0, 40)});
    EXPECT_EQ(rig.DrawTile(2, 0), Events{Copy(901, 3, 2, 0, 40)});
}

TEST(Render, NewGrassTinyBoardIsTheCoveredStripAtFullScale) {
    Rig rig;
    rig.puzzle.Init(8, 8, 8);
    const Events e = rig.DrawBoard();
    ASSERT_EQ(e.size(), 64u);
    std::size_t i = 0;
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            // Column by column, each tile's own look.
            EXPECT_EQ(e[i++], Copy(131, rig.puzzle.GetTile(c, r), c, r, 40)) << c << "," << r;
        }
    }
}

struct ScaleCase {
    int n;
    int cell;
};

class BoardScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(BoardScale, CellsTileTheBoardExactlyOnce) {
    const auto [n, cell] = GetParam();
    Rig rig;
    rig.puzzle.Init(n, n, n);
    const Events e = rig.DrawBoard();
    ASSERT_EQ(e.size(), static_cast<std::size_t>(n * n));
    std::set<std::pair<int, int>> corners;
    for (const Event& copy : e) {
        EXPECT_EQ(copy.src.w, 40);
        EXPECT_EQ(copy.src.h, 40);
        EXPECT_EQ(copy.dst.w, cell);
        EXPECT_EQ(copy.dst.h, cell);
        EXPECT_EQ(copy.dst.x % cell, 0);
        EXPECT_EQ(copy.dst.y % cell, 0);
        EXPECT_LE(copy.dst.x + cell, n * cell);
        EXPECT_LE(copy.dst.y + cell, n * cell);
        corners.insert({copy.dst.x, copy.dst.y});
    }
    EXPECT_EQ(corners.size(), static_cast<std::size_t>(n * n));  // no cell twice
    EXPECT_EQ(e.back().dst, (platform::Rect{(n - 1) * cell, (n - 1) * cell, cell, cell}));
}

INSTANTIATE_TEST_SUITE_P(Sizes, BoardScale,
                         ::testing::Values(ScaleCase{8, 40}, ScaleCase{11, 40}, ScaleCase{14, 33}, ScaleCase{17, 27},
                                           ScaleCase{20, 23}),
                         [](const auto& info) { return testnames::BoardName(info.param.n); });

TEST(Render, HugeBoardShrinksEachFrameTo23) {
    Rig rig;
    rig.puzzle.Init(20, 20, 20);
    rig.puzzle.SetTile(19, 19, 13);
    EXPECT_EQ(rig.DrawTile(19, 19), (Events{{Event::Kind::Copy, 132, {120, 0, 40, 40}, {437, 437, 23, 23}, {}}}));
}

TEST(Render, SandDrawsTheSameBoardFromItsOwnStrips) {
    Rig rig;
    rig.puzzle.Init(0, 11, 11);
    rig.puzzle.SetHidden(3, 3, 2);
    rig.ClickTile(3, 3);  // found
    rig.ClickTile(0, 0);  // empty
    const Events grass = rig.DrawBoard();
    UseSand(rig.puzzle);
    const Events sand = rig.DrawBoard();
    ASSERT_EQ(grass.size(), sand.size());
    const std::pair<int, int> swaps[] = {{131, 146}, {132, 148}, {130, 147}};
    std::set<int> seen;
    for (std::size_t i = 0; i < grass.size(); ++i) {
        Event expected = grass[i];
        for (auto [g, s] : swaps) {
            if (expected.bitmap == g) expected.bitmap = s;
        }
        EXPECT_EQ(sand[i], expected) << i;
        seen.insert(sand[i].bitmap);
    }
    EXPECT_EQ(seen, (std::set<int>{146, 147, 148}));
    EXPECT_EQ(rig.puzzle.GetFoundBitmap(), 148);
}

TEST(Render, DrawsNothingOffTheBoard) {
    Rig rig;
    EXPECT_TRUE(rig.DrawBoard().empty());  // before Init
    rig.puzzle.Init(8, 8, 8);
    for (auto [c, r] : {std::pair{8, 0}, {0, 8}, {-1, 0}, {0, -1}, {24, 24}, {25, 25}, {1000, 3}}) {
        EXPECT_TRUE(rig.DrawTile(c, r).empty()) << c << "," << r;
    }
}

}  // namespace
