// The rule of a click: what is collected, what is redrawn and in which order,
// what it costs, and which clicks are ignored.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "EngineRig.h"

namespace {

using enginetest::Events;
using enginetest::GrassTile;
using enginetest::Rig;
using enginetest::Sound;

// An all-covered 8 x 8 board without glimbles, seeded with tick 1.
void EmptyTinyBoard(Rig& rig) { rig.puzzle.Init(0, 8, 8); }

struct Step {
    int column;
    int row;
    Events events;
    int score;
    int remaining;
};

// Glimbles at (1, 1) and (4, 1) and two at (4, 4), clicked to the end.
TEST(MoveRule, WorkedExampleMoveByMove) {
    Rig rig;
    EmptyTinyBoard(rig);
    rig.puzzle.SetHidden(1, 1, 1);
    rig.puzzle.SetHidden(4, 1, 1);
    rig.puzzle.SetHidden(4, 4, 2);
    ASSERT_EQ(rig.puzzle.GetRemaining(), 4);
    ASSERT_EQ(rig.puzzle.GetScore(), 64);

    const Step steps[] = {
        // Nothing under it; its lines hold 2 + 1 + 1.
        {1, 4, {Sound("SELECT"), GrassTile(1, 4, 34)}, 63, 4},
        // Collects one of two: (1, 4) on its row drops, then the tile itself.
        {4, 4, {GrassTile(1, 4, 33), Sound("MOVE"), GrassTile(4, 4, 13)}, 62, 3},
        // Still hiding one: collects it.
        {4, 4, {GrassTile(1, 4, 32), Sound("MOVE"), GrassTile(4, 4, 12)}, 61, 2},
        // Nothing left under a found tile: ignored.
        {4, 4, {}, 61, 2},
        // Its column, then its anti-diagonal, then itself.
        {4, 1, {GrassTile(4, 4, 11), GrassTile(1, 4, 31), Sound("MOVE"), GrassTile(4, 1, 11)}, 60, 1},
        // Row, column, diagonal; the game is won.
        {1,
         1,
         {GrassTile(4, 1, 10), GrassTile(1, 4, 30), GrassTile(4, 4, 10), Sound("MOVE"), GrassTile(1, 1, 10)},
         59,
         0},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "step " << ++n << " click (" << step.column << ", " << step.row << ")");
        EXPECT_EQ(rig.ClickTile(step.column, step.row), step.events);
        EXPECT_EQ(rig.puzzle.GetScore(), step.score);
        EXPECT_EQ(rig.puzzle.GetRemaining(), step.remaining);
    }
    EXPECT_EQ(rig.puzzle.GetTile(1, 1), 10);
    EXPECT_EQ(rig.puzzle.GetTile(4, 1), 10);
    EXPECT_EQ(rig.puzzle.GetTile(4, 4), 10);
    EXPECT_EQ(rig.puzzle.GetTile(1, 4), 30);
}

TEST(MoveRule, ATileBorderBelongsToTheTileRightAndBelow) {
    struct Case {
        int x, y, column, row;
    };
    for (const Case& c :
         {Case{39, 39, 0, 0}, Case{40, 0, 1, 0}, Case{0, 40, 0, 1}, Case{40, 40, 1, 1}, Case{319, 319, 7, 7}}) {
        Rig rig;
        EmptyTinyBoard(rig);
        rig.ClickPixel(c.x, c.y);
        EXPECT_EQ(rig.puzzle.GetTile(c.column, c.row), 30) << c.x << "," << c.y;
        EXPECT_EQ(rig.puzzle.GetScore(), 63);
    }
    // On 20 x 20 the cells are 23 pixels.
    Rig rig;
    rig.puzzle.Init(0, 20, 20);
    rig.ClickPixel(23 * 19, 22);
    EXPECT_EQ(rig.puzzle.GetTile(19, 0), 30);
    rig.ClickPixel(22, 23 * 19 + 22);
    EXPECT_EQ(rig.puzzle.GetTile(0, 19), 30);
}

TEST(MoveRule, ClicksBeyondTheBoardAreIgnored) {
    Rig rig;
    rig.puzzle.Init(10, 20, 20);
    for (auto [x, y] :
         {std::pair{460, 0}, {0, 460}, {459, 460}, {460, 459}, {5000, 5000}, {INT_MAX, 0}, {0, INT_MAX}}) {
        EXPECT_EQ(rig.ClickPixel(x, y), Events{}) << x << "," << y;
        EXPECT_EQ(rig.puzzle.GetScore(), 400);
        EXPECT_EQ(rig.puzzle.GetRemaining(), 10);
    }
    // The last pixel of the board is still a tile.
    EXPECT_FALSE(rig.ClickPixel(459, 459).empty());
}

TEST(MoveRule, UncoveringNothingNearNothingShowsZero) {
    Rig rig;
    EmptyTinyBoard(rig);
    rig.puzzle.SetHidden(1, 2, 1);  // not on any line of (5, 7)
    EXPECT_EQ(rig.ClickTile(5, 7), (Events{Sound("SELECT"), GrassTile(5, 7, 30)}));
    EXPECT_EQ(rig.puzzle.GetRemaining(), 1);
}

TEST(MoveRule, EmptyTilesIgnoreClicks) {
    Rig rig;
    EmptyTinyBoard(rig);
    rig.ClickTile(2, 2);
    EXPECT_EQ(rig.ClickTile(2, 2), Events{});
    EXPECT_EQ(rig.puzzle.GetScore(), 63);
    EXPECT_EQ(rig.puzzle.GetTile(2, 2), 30);
}

TEST(MoveRule, ThreeStackedGlimblesTakeThreeClicks) {
    Rig rig;
    EmptyTinyBoard(rig);
    rig.puzzle.SetHidden(2, 3, 3);
    ASSERT_EQ(rig.ClickTile(2, 0), (Events{Sound("SELECT"), GrassTile(2, 0, 33)}));  // its column
    const Step steps[] = {
        {2, 3, {GrassTile(2, 0, 32), Sound("MOVE"), GrassTile(2, 3, 12)}, 62, 2},
        {2, 3, {GrassTile(2, 0, 31), Sound("MOVE"), GrassTile(2, 3, 11)}, 61, 1},
        {2, 3, {GrassTile(2, 0, 30), Sound("MOVE"), GrassTile(2, 3, 10)}, 60, 0},
        {2, 3, {}, 60, 0},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(rig.ClickTile(step.column, step.row), step.events);
        EXPECT_EQ(rig.puzzle.GetScore(), step.score);
        EXPECT_EQ(rig.puzzle.GetRemaining(), step.remaining);
    }
}

// One glimble in the corner (7, 0) of the 8 x 8 board.
TEST(LineCounts, SingleGlimbleInTheCorner) {
    struct Case {
        int column, row, shows;
    };
    Rig rig;
    EmptyTinyBoard(rig);
    rig.puzzle.SetHidden(7, 0, 1);
    for (const Case& c : {Case{0, 0, 1},     // same row
                          Case{7, 7, 1},     // same column
                          Case{0, 7, 1},     // same anti-diagonal, far end
                          Case{3, 4, 1},     // same anti-diagonal
                          Case{6, 2, 0}}) {  // a knight's move away: on no line
        EXPECT_EQ(rig.ClickTile(c.column, c.row), (Events{Sound("SELECT"), GrassTile(c.column, c.row, 30 + c.shows)}))
            << c.column << "," << c.row;
    }
    // The corner's own diagonal leaves the board at once.
    EXPECT_EQ(rig.puzzle.CountLines(7, 0), 1);
}

TEST(LineCounts, CollectingTheCornerGlimbleUpdatesRowThenAntiDiagonal) {
    Rig rig;
    EmptyTinyBoard(rig);
    rig.puzzle.SetHidden(7, 0, 1);
    rig.ClickTile(0, 0);
    rig.ClickTile(0, 7);
    EXPECT_EQ(rig.ClickTile(7, 0),
              (Events{GrassTile(0, 0, 30), GrassTile(0, 7, 30), Sound("MOVE"), GrassTile(7, 0, 10)}));
    EXPECT_EQ(rig.puzzle.GetRemaining(), 0);
    EXPECT_EQ(rig.puzzle.GetScore(), 61);
}

TEST(LineCounts, EveryCornerCountsItsFourLinesOnce) {
    // A glimble under the corner, one on each of its lines and one elsewhere.
    // One diagonal of a corner is the corner alone; its entry names the
    // corner itself and adds nothing.
    struct Corner {
        int c, r;
        int row[2], column[2], diagonal[2], anti[2];
    };
    const Corner corners[] = {
        {0, 0, {5, 0}, {0, 6}, {3, 3}, {0, 0}},
        {7, 0, {2, 0}, {7, 4}, {7, 0}, {3, 4}},
        {0, 7, {4, 7}, {0, 1}, {0, 7}, {5, 2}},
        {7, 7, {1, 7}, {7, 3}, {2, 2}, {7, 7}},
    };
    for (const Corner& k : corners) {
        Rig rig;
        EmptyTinyBoard(rig);
        rig.puzzle.SetHidden(k.c, k.r, 1);
        rig.puzzle.SetHidden(k.row[0], k.row[1], 1);
        rig.puzzle.SetHidden(k.column[0], k.column[1], 1);
        rig.puzzle.SetHidden(k.diagonal[0], k.diagonal[1], 1);
        rig.puzzle.SetHidden(k.anti[0], k.anti[1], 1);
        rig.puzzle.SetHidden(3, 6, 1);  // on no line of any corner
        int expected = 1 + 2;           // the corner, its row, its column
        if (k.diagonal[0] != k.c || k.diagonal[1] != k.r) ++expected;
        if (k.anti[0] != k.c || k.anti[1] != k.r) ++expected;
        EXPECT_EQ(rig.puzzle.CountLines(k.c, k.r), expected) << k.c << "," << k.r;
    }
}

TEST(LineCounts, TheLongAntiDiagonalOfTheTinyBoard) {
    // Column + row = 8 runs from (1, 7) to (7, 1). A second glimble at (0, 0)
    // gives tiles next to its ends a number, to show that they stay untouched.
    Rig rig;
    EmptyTinyBoard(rig);
    rig.puzzle.SetHidden(3, 5, 1);
    rig.puzzle.SetHidden(0, 0, 1);
    const int anti[][2] = {{1, 7}, {2, 6}, {4, 4}, {5, 3}, {6, 2}, {7, 1}};
    for (auto [c, r] : anti) rig.ClickTile(c, r);
    rig.ClickTile(0, 7);                      // column 0: shows 1
    rig.ClickTile(7, 0);                      // row 0: shows 1
    EXPECT_EQ(rig.puzzle.GetTile(4, 4), 32);  // also on the diagonal of (0, 0)
    EXPECT_EQ(rig.puzzle.CountLines(3, 5), 1);

    EXPECT_EQ(rig.ClickTile(3, 5),
              (Events{GrassTile(1, 7, 30), GrassTile(2, 6, 30), GrassTile(4, 4, 31), GrassTile(5, 3, 30),
                      GrassTile(6, 2, 30), GrassTile(7, 1, 30), Sound("MOVE"), GrassTile(3, 5, 10)}));
    EXPECT_EQ(rig.puzzle.GetTile(0, 7), 31);
    EXPECT_EQ(rig.puzzle.GetTile(7, 0), 31);
}

TEST(LineCounts, CountsOnlyPositiveHiddenEntriesOfTheBoard) {
    Rig rig;
    EmptyTinyBoard(rig);
    rig.puzzle.SetHidden(2, 2, -4);  // read as 0
    EXPECT_EQ(rig.puzzle.GetHidden(2, 2), 0);
    EXPECT_EQ(rig.puzzle.CountLines(2, 5), 0);
    EXPECT_EQ(rig.puzzle.CountLines(8, 0), 0);  // off the board
}

// The line count of (x, y) straight from its definition: every tile on one
// of the four lines, counted once.
int LineCountByDefinition(const CPuzzle& p, int x, int y) {
    int sum = 0;
    for (int c = 0; c < p.GetColumns(); ++c) {
        for (int r = 0; r < p.GetRows(); ++r) {
            if (c == x || r == y || c - r == x - y || c + r == x + y) sum += p.GetHidden(c, r);
        }
    }
    return sum;
}

TEST(LineCounts, MatchTheDefinitionOnOddlyShapedBoards) {
    // The game only makes square boards, but the walks must hold on any shape.
    std::mt19937 rng(7);
    for (auto [columns, rows] : {std::pair{5, 9}, {9, 5}, {1, 25}, {25, 1}, {1, 1}, {25, 25}, {3, 17}, {20, 8}}) {
        Rig rig;
        rig.puzzle.Init(0, columns, rows);
        for (int i = 0; i < 12; ++i) {
            rig.puzzle.SetHidden(static_cast<int>(rng() % columns), static_cast<int>(rng() % rows),
                                 static_cast<int>(rng() % 3));
        }
        for (int c = 0; c < columns; ++c) {
            for (int r = 0; r < rows; ++r) {
                EXPECT_EQ(rig.puzzle.CountLines(c, r), LineCountByDefinition(rig.puzzle, c, r))
                    << columns << "x" << rows << " at " << c << "," << r;
            }
        }
    }
}

TEST(LineCounts, UpdateVisitsRowColumnDiagonalAntiDiagonalInOrder) {
    // Every tile of the four lines of (2, 3) uncovered, each showing 1: the
    // update lowers each once, walking row, column, diagonal, anti-diagonal.
    Rig rig;
    rig.puzzle.Init(0, 6, 6);
    rig.puzzle.SetHidden(2, 3, 1);
    const int order[][2] = {
        {0, 3}, {1, 3}, {3, 3}, {4, 3}, {5, 3},  // row
        {2, 0}, {2, 1}, {2, 2}, {2, 4}, {2, 5},  // column
        {0, 1}, {1, 2}, {3, 4}, {4, 5},          // diagonal from the upper left
        {0, 5}, {1, 4}, {3, 2}, {4, 1}, {5, 0},  // anti-diagonal from the lower left
    };
    for (auto [c, r] : order) rig.ClickTile(c, r);
    Events expected;
    for (auto [c, r] : order) expected.push_back(GrassTile(c, r, 30));
    expected.push_back(Sound("MOVE"));
    expected.push_back(GrassTile(2, 3, 10));
    EXPECT_EQ(rig.ClickTile(2, 3), expected);
}

TEST(DecrementTile, LowersUncoveredTilesOnly) {
    Rig rig;
    EmptyTinyBoard(rig);
    rig.puzzle.SetHidden(0, 0, 2);
    rig.ClickTile(5, 0);  // shows 2
    rig.log.Clear();
    rig.puzzle.DecrementTile(rig.surface, 5, 0);
    EXPECT_EQ(rig.log.events, Events{GrassTile(5, 0, 31)});

    // A covered tile keeps its look and is not drawn.
    const int look = rig.puzzle.GetTile(3, 3);
    rig.log.Clear();
    rig.puzzle.DecrementTile(rig.surface, 3, 3);
    EXPECT_EQ(rig.puzzle.GetTile(3, 3), look);
    EXPECT_TRUE(rig.log.events.empty());

    // A tile showing 0 never slides into the band below.
    rig.puzzle.DecrementTile(rig.surface, 5, 0);
    ASSERT_EQ(rig.puzzle.GetTile(5, 0), 30);
    rig.log.Clear();
    rig.puzzle.DecrementTile(rig.surface, 5, 0);
    EXPECT_EQ(rig.puzzle.GetTile(5, 0), 30);
    EXPECT_TRUE(rig.log.events.empty());

    rig.puzzle.SetTile(6, 6, 10);  // a found tile showing 0
    rig.puzzle.DecrementTile(rig.surface, 6, 6);
    EXPECT_EQ(rig.puzzle.GetTile(6, 6), 10);
}

}  // namespace
