// The view as assistive tools read it: the board as a table of one cell per
// tile, row by row, and the two counters as labelled values.
#include "shell/ViewAccessible.h"

#include <QCoreApplication>

#include <algorithm>

#include "engine/TileCode.h"
#include "platform/qt/Text.h"
#include "resources/Pictures.h"
#include "resources/StatusStrip.h"
#include "shell/QuelmView.h"

QString DescribeTile(int column, int row, int code) {
    // Whole sentences, so that a translation may put the words in any order.
    const auto say = [column, row](const char* words, int number) {
        return QCoreApplication::translate("Screen reader", words, nullptr, number).arg(column + 1).arg(row + 1);
    };
    if (tile::IsCovered(code)) return say(QT_TRANSLATE_NOOP("Screen reader", "column %1, row %2, covered"), -1);
    if (tile::IsFound(code)) {
        return say(QT_TRANSLATE_N_NOOP("Screen reader", "column %1, row %2, glimble found, %n on its lines"),
                   tile::Number(code));
    }
    return say(QT_TRANSLATE_N_NOOP("Screen reader", "column %1, row %2, %n on its lines"), tile::Number(code));
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
    board.name = [columns, rows] {
        return QCoreApplication::translate("Screen reader", "Board, %1 by %2 tiles").arg(columns()).arg(rows());
    };
    board.rect = [this] {
        return m_puzzle ? QRect(0, 0, m_puzzle->GetBoardWidth(), m_puzzle->GetBoardHeight()) : QRect();
    };
    board.rows = rows;
    board.columns = columns;
    board.cell = [this](int row, int column) {
        if (!m_puzzle) return QString();
        return DescribeTile(column, row, m_puzzle->GetTile(column, row));
    };
    board.cellRect = cellRect;
    board.cellFocused = [this](int row, int column) {
        return hasFocus() && m_cursor.Shown() && m_cursor.Column() == column && m_cursor.Row() == row;
    };

    // The counters as their plates name them, the numbers as the strip shows
    // them (a score below zero reads 0).
    const auto counter = [this](const res::Text& name, bool points) {
        PaintedPart part;
        part.name = [name] { return platform::qt::Tr(name); };
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
    return {board, counter(res::kPointsWord, true), counter(res::kGlimblesWord, false)};
}

void CQuelmView::AnnounceChanges() {
    for (const int part : {kBoardPart, kPointsPart, kGlimblesPart})
        platform::qt::painted_parts::AnnounceChanges(this, part);
}
