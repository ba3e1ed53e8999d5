// The view as assistive tools read it: the board as a table of one cell per
// tile, row by row, and the status strip as a status bar with the two counters
// and the notice a screen reader speaks after each move.
#include "shell/ViewAccessible.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "dialogs/BestResultsTable.h"
#include "engine/TileCode.h"
#include "platform/qt/accessibility/Announce.h"
#include "resources/StatusStrip.h"
#include "shell/QuelmView.h"

namespace {

// Whole sentences, so that a translation may put the words in any order.
QString Translated(const char* words, int number) {
    return QCoreApplication::translate("Screen reader", words, nullptr, number);
}

// The points as the strip shows them: a score below zero reads 0.
int PointsShown(const CPuzzle& puzzle) { return std::max(puzzle.GetScore(), 0); }

}  // namespace

QString DescribeTile(int column, int row, int code) {
    const auto say = [column, row](const char* words, int number) {
        return Translated(words, number).arg(column + 1).arg(row + 1);
    };
    if (tile::IsCovered(code)) return say(QT_TRANSLATE_NOOP("Screen reader", "column %1, row %2, covered"), -1);
    if (tile::IsFound(code)) {
        return say(QT_TRANSLATE_N_NOOP("Screen reader", "column %1, row %2, glimble found, %n on its lines"),
                   tile::Number(code));
    }
    return say(QT_TRANSLATE_N_NOOP("Screen reader", "column %1, row %2, %n on its lines"), tile::Number(code));
}

QString DescribeOutcome(int code) {
    if (tile::IsCovered(code)) return {};
    if (tile::IsFound(code))
        return Translated(QT_TRANSLATE_N_NOOP("Screen reader", "Glimble found, %n on its lines."), tile::Number(code));
    return Translated(QT_TRANSLATE_N_NOOP("Screen reader", "Empty, %n on its lines."), tile::Number(code));
}

QString DescribeStatus(int points, int left) {
    return Translated(QT_TRANSLATE_N_NOOP("Screen reader", "Points %1. Glimbles left: %n."), left).arg(points);
}

QString DescribeWin(int points, bool earnedPlace) {
    if (earnedPlace) {
        return Translated(QT_TRANSLATE_N_NOOP("Screen reader",
                                              "Won! Points: %n, enough for a place in the best results. "
                                              "A new board is dealt."),
                          points);
    }
    return Translated(QT_TRANSLATE_N_NOOP("Screen reader",
                                          "Won! Points: %n, too few for a place in the best results. "
                                          "A new board is dealt."),
                      points);
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

    // The strip under the board is the window's status bar: screen readers
    // read it as one ("Points 63 Glimbles 7"), and speak a notification in
    // it without calling it one.
    PaintedPart strip;
    strip.role = QAccessible::StatusBar;
    strip.rect = [this] {
        if (!m_puzzle) return QRect();
        return QRect(0, m_puzzle->GetBoardHeight(), m_puzzle->GetBoardWidth(), status_strip::kHeight);
    };

    // The counters as their plates name them with the numbers the strip shows,
    // the numbers also as values.
    const auto counter = [this](const char* name, bool points) {
        PaintedPart part;
        part.within = kStripPart;
        part.name = [this, name, points] {
            const int value = !m_puzzle ? 0 : points ? PointsShown(*m_puzzle) : m_puzzle->GetRemaining();
            return QCoreApplication::translate("Screen reader", name).arg(value);
        };
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
            return points ? PointsShown(*m_puzzle) : m_puzzle->GetRemaining();
        };
        part.minimum = [] { return 0; };
        part.maximum = [this, points] {
            if (!m_puzzle) return 0;
            return points ? m_puzzle->GetColumns() * m_puzzle->GetRows() : m_puzzle->GetCount();
        };
        return part;
    };

    // Nowhere on the screen: heard, not read.
    PaintedPart notice;
    notice.role = QAccessible::Notification;
    notice.within = kStripPart;
    notice.name = [this] { return m_notice; };
    notice.rect = [] { return QRect(); };

    return {board, strip, counter(QT_TRANSLATE_NOOP("Screen reader", "Points %1"), true),
            counter(QT_TRANSLATE_NOOP("Screen reader", "Glimbles %1"), false), notice};
}

void CQuelmView::AnnounceChanges() {
    for (const int part : {kBoardPart, kPointsPart, kGlimblesPart})
        platform::qt::painted_parts::AnnounceChanges(this, part);
}

void CQuelmView::SayMove(int column, int row) {
    if (!m_puzzle || !platform::qt::AnnouncementsHeard()) return;
    const int points = PointsShown(*m_puzzle);
    const int left = m_puzzle->GetRemaining();
    QString said = DescribeOutcome(m_puzzle->GetTile(column, row));
    if (!said.isEmpty()) said += QLatin1Char(' ');
    if (left > 0) {
        said += DescribeStatus(points, left);
    } else {
        const best_results::TableKey table{m_puzzle->GetColumns(), m_puzzle->GetRows(), m_puzzle->GetCount()};
        const bool earned = best_results::EarnsPlace(m_services.settings, table, m_puzzle->GetScore());
        said += DescribeWin(points, earned);
        if (earned) m_sayOnFocus = said;
    }
    Say(said);
}

void CQuelmView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // After the focus is told: a screen reader speaks the view first, then
    // this, to the end.
    if (!m_sayOnFocus.isEmpty())
        QTimer::singleShot(0, this, [this, words = std::exchange(m_sayOnFocus, QString())] { Say(words); });
}

void CQuelmView::SayStatus() {
    if (!m_puzzle || !platform::qt::AnnouncementsHeard()) return;
    Say(DescribeStatus(PointsShown(*m_puzzle), m_puzzle->GetRemaining()));
}

void CQuelmView::Say(const QString& words) {
    m_notice = words;
    platform::qt::painted_parts::AnnounceShown(this, kNoticePart);
}
