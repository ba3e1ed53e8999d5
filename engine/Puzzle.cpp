// The board model: construction, new games and size changes.
#include "engine/Puzzle.h"

#include <algorithm>
#include <cstdint>

namespace {

// Dimensions that reach the engine from a damaged settings store are held to
// what the arrays can take.
int ClampDimension(int n) { return std::clamp(n, 1, board::kCapacity); }

}  // namespace

CPuzzle::CPuzzle(platform::ISoundOutput& sound, platform::ITickSource& ticks) : m_sound(sound), m_ticks(ticks) {
    ClearBoard();
}

void CPuzzle::ClearBoard() {
    for (auto& column : m_tile) std::fill(std::begin(column), std::end(column), tile::kNoTile);
    for (auto& column : m_hidden) std::fill(std::begin(column), std::end(column), 0);
}

int CPuzzle::GetTile(int column, int row) const {
    if (column < 0 || row < 0 || column >= board::kCapacity || row >= board::kCapacity) {
        return tile::kNoTile;
    }
    return m_tile[column][row];
}

int CPuzzle::GetHidden(int column, int row) const {
    if (column < 0 || row < 0 || column >= board::kCapacity || row >= board::kCapacity) return 0;
    return m_hidden[column][row];
}

void CPuzzle::SetHidden(int column, int row, int count) {
    if (OnBoard(column, row)) m_hidden[column][row] = std::max(count, 0);
}

void CPuzzle::SetTile(int column, int row, int code) {
    if (OnBoard(column, row)) m_tile[column][row] = code;
}

void CPuzzle::Init(int count, int columns, int rows) {
    m_columns = ClampDimension(columns);
    m_rows = ClampDimension(rows);
    // NewGame sets the cell size of a known board edge; any other edge gets
    // the frame size here, where a size change would keep the one before.
    m_cellSize = res::kTileFrame;
    NewGame(count);
}

void CPuzzle::NewGame(int count) {
    m_count = std::min(count, kMaxCount);
    m_score = m_columns * m_rows;
    if (const board::SizeInfo* size = board::FindSize(m_rows)) m_cellSize = size->cellSize;
    m_random.Seed(m_ticks.GetTickCount());
    ClearBoard();
    if (m_columns <= 0 || m_rows <= 0) return;  // no board before Init

    // All looks first, column by column; then a column and a row per glimble.
    for (int column = 0; column < m_columns; ++column) {
        for (int row = 0; row < m_rows; ++row) m_tile[column][row] = m_random.Below(tile::kLooks);
    }
    for (int i = 0; i < m_count; ++i) {
        const int column = m_random.Below(m_columns);
        const int row = m_random.Below(m_rows);
        m_hidden[column][row] += 1;  // glimbles may stack on one tile
    }
}

void CPuzzle::SetSize(int columns, int rows) {
    columns = ClampDimension(columns);
    rows = ClampDimension(rows);

    // Rescale the count to the new width, then hold it to that size's range.
    std::int64_t count = m_count;
    if (m_columns > 0) count = static_cast<std::int64_t>(columns) * m_count / m_columns;
    if (board::FindSize(columns) != nullptr) {
        const board::Counts range = board::CountRange(columns);
        count = std::clamp<std::int64_t>(count, range.smallest, range.largest);
    }

    m_columns = columns;
    m_rows = rows;
    NewGame(static_cast<int>(count));
}
