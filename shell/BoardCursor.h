#pragma once

#include <algorithm>

// The keyboard's place on the board: a tile, kept inside the board. It
// starts at the top-left tile; hidden until the first key press and again
// after a mouse press on the board, so mouse play sees no cursor at all.
class BoardCursor {
public:
    enum class Move { Left, Right, Up, Down, RowStart, RowEnd, ColumnTop, ColumnBottom };

    int Column() const { return m_column; }
    int Row() const { return m_row; }
    bool Shown() const { return m_shown; }
    void Show(bool shown) { m_shown = shown; }

    // One step, or to an end of the row or column; never past an edge of a
    // board `columns` by `rows` large.
    void Apply(Move move, int columns, int rows) {
        switch (move) {
            case Move::Left: --m_column; break;
            case Move::Right: ++m_column; break;
            case Move::Up: --m_row; break;
            case Move::Down: ++m_row; break;
            case Move::RowStart: m_column = 0; break;
            case Move::RowEnd: m_column = columns - 1; break;
            case Move::ColumnTop: m_row = 0; break;
            case Move::ColumnBottom: m_row = rows - 1; break;
        }
        ClampTo(columns, rows);
    }

    // Keeps the place on a board of another size, as near as it fits.
    void ClampTo(int columns, int rows) {
        m_column = std::clamp(m_column, 0, std::max(columns - 1, 0));
        m_row = std::clamp(m_row, 0, std::max(rows - 1, 0));
    }

private:
    int m_column = 0;      // 0 = left
    int m_row = 0;         // 0 = top
    bool m_shown = false;  // drawn over its tile
};
