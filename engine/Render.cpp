// Drawing tiles: every tile is a 40 x 40 frame of a picture strip, scaled to
// the board's cell size.
#include "engine/Puzzle.h"

#include <algorithm>

namespace {

constexpr int kFrame = 40;         // edge of one frame in every tile strip
constexpr int kNumberFrames = 15;  // a number strip shows 0 .. 14
constexpr int kExtraFrames = 6;    // an extension strip shows 15 .. 20

// Numbers from 15 up come from an extension strip of their own number strip.
struct Extension {
    int strip;
    int extension;
};
constexpr Extension kExtensions[] = {
    {tileset::kGrassFound, 155},
    {tileset::kGrassEmpty, 156},
    {tileset::kSandFound, 157},
    {tileset::kSandEmpty, 158},
};

struct Source {
    int bitmap;
    int frame;
};

// The frame that shows `number` for a number strip; never beyond a strip's end.
Source NumberSource(int strip, int number) {
    if (number < kNumberFrames) return {strip, std::max(number, 0)};
    for (const Extension& e : kExtensions) {
        if (e.strip == strip) return {e.extension, std::min(number - kNumberFrames, kExtraFrames - 1)};
    }
    return {strip, kNumberFrames - 1};  // a strip without an extension shows its last number
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
    surface.CopyBitmap(source.bitmap, {source.frame * kFrame, 0, kFrame, kFrame},
                       {PixelFromTile(column), PixelFromTile(row), m_cellSize, m_cellSize});
}
