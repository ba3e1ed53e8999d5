#pragma once

// What the engine tests share: an engine wired to recording fakes, and short
// ways to write the copies and sounds a test expects.
#include <ostream>
#include <string>
#include <vector>

#include "engine/Puzzle.h"
#include "platform/fake/RecordingSurface.h"
#include "tests/TestNames.h"

namespace platform::fake {

// Readable failure messages for recorded events.
inline void PrintTo(const Event& e, std::ostream* os) {
    if (e.kind == Event::Kind::Sound) {
        *os << "sound " << e.sound;
        return;
    }
    *os << "copy " << e.bitmap << " src(" << e.src.x << "," << e.src.y << "," << e.src.w << "," << e.src.h << ") dst("
        << e.dst.x << "," << e.dst.y << "," << e.dst.w << "," << e.dst.h << ")";
}

}  // namespace platform::fake

namespace enginetest {

using platform::fake::Event;
using Events = std::vector<Event>;

inline constexpr int kFrame = 40;  // edge of every frame in the tile strips

// An engine whose surface and sound output write into one shared log.
struct Rig {
    platform::fake::EventLog log;
    platform::fake::RecordingSurface surface{log};
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks{1};
    CPuzzle puzzle{sound, ticks};

    // Clicks the middle of a tile and returns what reached the log.
    Events ClickTile(int column, int row) {
        const int cell = puzzle.GetCellSize();
        return ClickPixel(column * cell + cell / 2, row * cell + cell / 2);
    }
    Events ClickPixel(int x, int y) {
        log.Clear();
        puzzle.Click(surface, x, y);
        return log.events;
    }
    Events DrawBoard() {
        log.Clear();
        puzzle.DrawBoard(surface);
        return log.events;
    }
    Events DrawTile(int column, int row) {
        log.Clear();
        puzzle.DrawTile(surface, column, row);
        return log.events;
    }
};

// The copy of frame `frame` of strip `bitmap` into the cell of (column, row).
inline Event Copy(int bitmap, int frame, int column, int row, int cell) {
    return {
        Event::Kind::Copy, bitmap, {frame * kFrame, 0, kFrame, kFrame}, {column * cell, row * cell, cell, cell}, {}};
}

// The Grass copy of a tile with `code` (numbers 0 to 14 only) at 40 pixels.
inline Event GrassTile(int column, int row, int code) {
    if (code < 10) return Copy(res::kGrassTiles.covered, code, column, row, 40);
    if (code < 30) return Copy(res::kGrassTiles.found, code - 10, column, row, 40);
    return Copy(res::kGrassTiles.empty, code - 30, column, row, 40);
}

inline Event Sound(const char* name) { return {Event::Kind::Sound, 0, {}, {}, name}; }

}  // namespace enginetest
