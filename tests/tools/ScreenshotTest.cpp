// The screenshot tool: the clicks it plans for a board, and the window it
// grabs showing the game's own picture after those clicks went through the
// real view.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include <algorithm>
#include <set>
#include <utility>

#include "engine/Puzzle.h"
#include "platform/fake/RecordingSurface.h"
#include "tools/screenshot/ClickPlan.h"
#include "tools/screenshot/Scene.h"

namespace {

struct Board {
    platform::fake::EventLog log;
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks;
    CPuzzle puzzle{sound, ticks};

    Board(int size, int count, std::uint32_t seed) : ticks(seed) { puzzle.Init(count, size, size); }

    int TilesWithGlimbles() const {
        int tiles = 0;
        for (int c = 0; c < puzzle.GetColumns(); ++c) {
            for (int r = 0; r < puzzle.GetRows(); ++r) tiles += puzzle.GetHidden(c, r) > 0 ? 1 : 0;
        }
        return tiles;
    }
};

TEST(ClickPlan, PicksDistinctTilesOfEachKindUpToWhatTheBoardHolds) {
    struct Case {
        int size, count;
        std::uint32_t seed;
        int found, empty;
    };
    const Case cases[] = {
        {8, 8, 1, 3, 16},   {8, 4, 77, 0, 10},  {11, 11, 5, 5, 0},       {20, 20, 20061, 9, 110},
        {8, 8, 3, 1000, 0}, {8, 8, 3, 0, 1000}, {14, 14, 9, 1000, 1000},
    };
    for (const Case& c : cases) {
        Board board(c.size, c.count, c.seed);
        const int glimbleTiles = board.TilesWithGlimbles();
        const int wantFound = std::min(c.found, glimbleTiles);
        const int wantEmpty = std::min(c.empty, c.size * c.size - glimbleTiles);

        const std::vector<TileAt> clicks = PlanClicks(board.puzzle, c.found, c.empty);
        std::set<std::pair<int, int>> seen;
        int found = 0;
        for (const TileAt& at : clicks) {
            ASSERT_TRUE(at.column >= 0 && at.column < c.size && at.row >= 0 && at.row < c.size);
            EXPECT_TRUE(seen.insert({at.column, at.row}).second) << "tile clicked twice";
            found += board.puzzle.GetHidden(at.column, at.row) > 0 ? 1 : 0;
        }
        EXPECT_EQ(found, wantFound) << "size " << c.size << " seed " << c.seed;
        EXPECT_EQ(static_cast<int>(clicks.size()) - found, wantEmpty) << "size " << c.size << " seed " << c.seed;
    }
}

TEST(ClickPlan, SpreadsAFewClicksOverTheWholeBoard) {
    Board board(20, 20, 20061);
    std::set<int> rows;
    for (const TileAt& at : PlanClicks(board.puzzle, 2, 10)) rows.insert(at.row);
    // Twelve clicks filling the board in reading order would stay in one row.
    EXPECT_GE(rows.size(), 6u);
}

TEST(Screenshot, GrabsTheWindowShowingTheGameAfterTheClicks) {
    for (const Shot& shot : kShots) {
        const Rendered rendered = RenderShot(shot);
        ASSERT_FALSE(rendered.window.isNull()) << shot.file;
        ASSERT_FALSE(rendered.view.isNull()) << shot.file;

        // Every planned click was a move of the real view.
        EXPECT_EQ(rendered.score, shot.size * shot.size - shot.found - shot.empty) << shot.file;
        EXPECT_EQ(rendered.remaining, shot.count - shot.found) << shot.file;

        // The menu bar lies above the view, and the view shows its picture
        // (all but the last 2 rows of it) in the grabbed window.
        EXPECT_GT(rendered.viewAt.y(), 0) << shot.file;
        const QRect shown(0, 0, rendered.view.width(), rendered.view.height() - 2);
        const QImage inWindow =
            rendered.window.copy(shown.translated(rendered.viewAt)).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(inWindow, rendered.view.copy(shown).convertToFormat(QImage::Format_RGB32)) << shot.file;
    }
}

}  // namespace
