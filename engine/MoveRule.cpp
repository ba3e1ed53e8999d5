// The rule of a click and the line counts every uncovered tile shows.
#include "engine/Puzzle.h"

#include "resources/ResourceIds.h"

#include <algorithm>

void CPuzzle::Click(platform::IDrawSurface& surface, int x, int y) {
    // Before the division, which rounds towards zero: a pixel just left of or
    // above the board would otherwise land on a tile of the first column or row.
    if (x < 0 || y < 0) return;
    const int column = TileFromPixel(x);
    const int row = TileFromPixel(y);
    if (!OnBoard(column, row)) return;  // beyond the board, e.g. the status strip

    // Only covered tiles, and found tiles that still hide glimbles, take a click.
    const int code = m_tile[column][row];
    if (tile::IsEmpty(code)) return;
    if (tile::IsFound(code) && m_hidden[column][row] == 0) return;

    m_score -= 1;
    const bool collected = m_hidden[column][row] > 0;
    if (collected) m_hidden[column][row] -= 1;
    const int n = CountLines(column, row);

    if (collected) {
        m_tile[column][row] = tile::Found(n);
        UpdateLines(surface, column, row);
        PlayWave(res::kSoundMove);
    } else {
        m_tile[column][row] = tile::Empty(n);
        PlayWave(res::kSoundSelect);
    }
    DrawTile(surface, column, row);
}

namespace {

// Calls visit(column, row) for every tile of the four lines through (x, y) on
// a columns x rows board, in this order: the row from left to right, the
// column from top to bottom, the diagonal from its upper-left end and the
// anti-diagonal from its lower-left end. (x, y) itself comes once per line.
template <typename Visit>
void ForEachOnLines(int columns, int rows, int x, int y, Visit&& visit) {
    for (int c = 0; c < columns; ++c) visit(c, y);
    for (int r = 0; r < rows; ++r) visit(x, r);
    const int back = std::min(x, y);
    for (int c = x - back, r = y - back; c < columns && r < rows; ++c, ++r) visit(c, r);
    const int first = std::max(0, x + y - (rows - 1));
    for (int c = first, r = x + y - first; c < columns && r >= 0; ++c, --r) visit(c, r);
}

}  // namespace

int CPuzzle::CountLines(int x, int y) const {
    if (!OnBoard(x, y)) return 0;
    int sum = 0;
    ForEachOnLines(m_columns, m_rows, x, y, [&](int column, int row) { sum += std::max(m_hidden[column][row], 0); });
    // Each of the four lines counted the tile itself once.
    return sum - 3 * std::max(m_hidden[x][y], 0);
}

void CPuzzle::UpdateLines(platform::IDrawSurface& surface, int x, int y) {
    if (!OnBoard(x, y)) return;
    // Collecting a glimble lowers every number on its four lines by one. Two
    // lines through (x, y) share no other tile, so each is visited once.
    ForEachOnLines(m_columns, m_rows, x, y, [&](int column, int row) {
        if (column != x || row != y) DecrementTile(surface, column, row);
    });
}

void CPuzzle::DecrementTile(platform::IDrawSurface& surface, int column, int row) {
    if (!OnBoard(column, row)) return;
    const int code = m_tile[column][row];
    // A tile on the lines of a collected glimble always shows at least 1; the
    // test only keeps a damaged board from sliding a tile into another band.
    if (tile::IsCovered(code) || tile::Number(code) <= 0) return;
    m_tile[column][row] = code - 1;
    DrawTile(surface, column, row);
}

int CPuzzle::GetRemaining() const {
    int sum = 0;
    for (int column = 0; column < m_columns; ++column) {
        for (int row = 0; row < m_rows; ++row) sum += std::max(m_hidden[column][row], 0);
    }
    return sum;
}
