// The view as assistive tools read it: the board as a table of one cell per
// tile, row by row, and the two counters as labelled values.
#include "shell/ViewAccessible.h"

#include <algorithm>

#include "engine/TileCode.h"
#include "resources/StatusStrip.h"
#include "shell/QuelmView.h"

std::string DescribeTile(int column, int row, int code) {
    std::string text = "column " + std::to_string(column + 1) + ", row " + std::to_string(row + 1) + ", ";
    if (tile::IsCovered(code)) return text + "covered";
    if (tile::IsFound(code)) text += "glimble found, ";
    return text + std::to_string(tile::Number(code)) + " on its lines";
}

std::vector<PaintedPart> CQuelmView::Parts() const {
    const auto columns = [this] { return m_puzzle ? m_puzzle->GetColumns() : 0; };
    const auto rows = [this] { return m_puzzle ? m_puzzle->GetRows() : 0; };
    const auto cellRect = [this](int row, int column) {
        const int cell = m_puzzle ? m_puzzle->GetCellSize() : 0;
        return QRect(column * cell, row * cell, cell, cell);
    };

    PaintedPart board;
    board.role = QAccessible::Table;
    board.name = [columns, rows] { return QStringLiteral("Board, %1 by %2 tiles").arg(columns()).arg(rows()); };
    board.rect = [this] {
        return m_puzzle ? QRect(0, 0, m_puzzle->GetBoardWidth(), m_puzzle->GetBoardHeight()) : QRect();
    };
    board.rows = rows;
    board.columns = columns;
    board.cell = [this](int row, int column) {
        if (!m_puzzle) return QString();
        return QString::fromStdString(DescribeTile(column, row, m_puzzle->GetTile(column, row)));
    };
    board.cellRect = cellRect;
    board.cellFocused = [this](int row, int column) {
        return hasFocus() && m_cursor.Shown() && m_cursor.Column() == column && m_cursor.Row() == row;
    };

    // The counters as their plates name them, the numbers as the strip shows
    // them (a score below zero reads 0).
    const auto counter = [this](const char* name, bool points) {
        PaintedPart part;
        part.name = [name] { return QString::fromLatin1(name); };
        part.rect = [this, points] {
            if (!m_puzzle) return QRect();
            const status_strip::Layout at = status_strip::LayoutAt(m_puzzle->GetBoardWidth(),
                                                                   m_puzzle->GetBoardHeight());
            const int left = points ? at.pointsLabelX : at.glimblesLabelX;
            const int digits = points ? status_strip::kPointsDigits : status_strip::kGlimblesDigits;
            const int right = (points ? at.pointsDigitsX : at.glimblesDigitsX) + digits * status_strip::kDigitSize;
            return QRect(left, at.labelY, right - left, status_strip::kLabelHeight);
        };
        part.value = [this, points] {
            if (!m_puzzle) return 0;
            return points ? std::max(m_puzzle->GetScore(), 0) : m_puzzle->GetRemaining();
        };
        part.minimum = [] { return 0; };
        part.maximum = [this, points] {
            if (!m_puzzle) return 0;
            return points ? m_puzzle->GetColumns() * m_puzzle->GetRows() : m_puzzle->GetCount();
        };
        return part;
    };
    return {board, counter("Points", true), counter("Glimbles", false)};
}

void CQuelmView::AnnounceChanges() {
    for (const int part : {kBoardPart, kPointsPart, kGlimblesPart})
        platform::qt::painted_parts::AnnounceChanges(this, part);
}
