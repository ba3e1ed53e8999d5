// Drawing tiles: every tile is a 40 x 40 frame of a picture strip, scaled to
// the board's cell size.
#include "engine/Puzzle.h"

#include <algorithm>

namespace {

struct Source {
    int bitmap;
    int frame;
};

// The frame that shows `number` for a number strip; never beyond a strip's end.
Source NumberSource(int strip, int number) {
    using res::kHighNumberFrames;
    using res::kNumberFrames;
    if (number < kNumberFrames) return {strip, std::max(number, 0)};
    const int high = std::min(number - kNumberFrames, kHighNumberFrames - 1);
    for (const res::TileSet& set : res::kTileSets) {
        if (set.found == strip) return {set.foundHigh, high};
        if (set.empty == strip) return {set.emptyHigh, high};
    }
    return {strip, kNumberFrames - 1};  // a strip of no tile set shows its last number
}

}  // namespace

void CPuzzle::DrawBoard(platform::IDrawSurface& surface) const {
    for (int column = 0; column < m_columns; ++column) {
        for (int row = 0; row < m_rows; ++row) DrawTile(surface, column, row);
    }
}

void CPuzzle::DrawTile(platform::IDrawSurface& surface, int column, int row) const {
    if (!OnBoard(column, row)) return;
    const int code = m_tile[column][row];
    if (code == tile::kNoTile) return;

    Source source{};
    if (tile::IsCovered(code)) {
        source = {m_coveredBitmap, std::clamp(code, 0, tile::kLooks - 1)};
    } else if (tile::IsFound(code)) {
        source = NumberSource(m_foundBitmap, tile::Number(code));
    } else {
        source = NumberSource(m_emptyBitmap, tile::Number(code));
    }
    constexpr int kFrame = res::kTileFrame;
    surface.CopyBitmap(source.bitmap, {source.frame * kFrame, 0, kFrame, kFrame},
                       {PixelFromTile(column), PixelFromTile(row), m_cellSize, m_cellSize});
}
