// The view's keys: the board cursor moves with the arrows, Home, End,
// Page Up and Page Down, Space or Enter plays its tile as a click on the
// tile's centre would, and G has a screen reader speak the status.
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <iterator>

#include "platform/qt/accessibility/PaintedParts.h"
#include "shell/QuelmView.h"

namespace {

struct CursorKey {
    int key;
    BoardCursor::Move move;
};

constexpr CursorKey kCursorKeys[] = {
    {Qt::Key_Left, BoardCursor::Move::Left},
    {Qt::Key_Right, BoardCursor::Move::Right},
    {Qt::Key_Up, BoardCursor::Move::Up},
    {Qt::Key_Down, BoardCursor::Move::Down},
    {Qt::Key_Home, BoardCursor::Move::RowStart},
    {Qt::Key_End, BoardCursor::Move::RowEnd},
    {Qt::Key_PageUp, BoardCursor::Move::ColumnTop},
    {Qt::Key_PageDown, BoardCursor::Move::ColumnBottom},
};

bool PlaysTile(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

// Has a screen reader speak the points and the glimbles left; no shortcut of
// the key table takes it.
constexpr int kStatusKey = Qt::Key_G;

constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// The frame's two rings: dark outside, bright inside, so it shows on grass
// and on sand alike.
const QColor kCursorOuter(24, 20, 16);
const QColor kCursorInner(255, 226, 60);
constexpr int kRing = 2;  // pixels each

void Ring(QPainter& painter, const QRect& r, int width, const QColor& colour) {
    painter.fillRect(r.left(), r.top(), r.width(), width, colour);
    painter.fillRect(r.left(), r.bottom() - width + 1, r.width(), width, colour);
    painter.fillRect(r.left(), r.top(), width, r.height(), colour);
    painter.fillRect(r.right() - width + 1, r.top(), width, r.height(), colour);
}

}  // namespace

bool CQuelmView::OnBoardKey(int key, Qt::KeyboardModifiers modifiers) {
    if (!m_puzzle || (modifiers & kCommandModifiers) != 0) return false;
    const auto* found = std::find_if(std::begin(kCursorKeys), std::end(kCursorKeys),
                                     [key](const CursorKey& k) { return k.key == key; });
    const bool moves = found != std::end(kCursorKeys);
    if (!moves && !PlaysTile(key)) return false;

    const QRect before = CursorRect();
    m_cursor.ClampTo(m_puzzle->GetColumns(), m_puzzle->GetRows());
    if (!m_cursor.Shown()) {
        // The first key shows where the cursor is; it neither moves nor plays.
        m_cursor.Show(true);
    } else if (moves) {
        m_cursor.Apply(found->move, m_puzzle->GetColumns(), m_puzzle->GetRows());
    } else {
        const int cell = m_puzzle->GetCellSize();
        OnLButtonDown({m_cursor.Column() * cell + cell / 2, m_cursor.Row() * cell + cell / 2});
    }
    update(before);
    update(CursorRect());
    if (m_cursor.Shown())
        platform::qt::painted_parts::AnnounceFocus(this, kBoardPart, m_cursor.Row(), m_cursor.Column());
    return true;
}

void CQuelmView::keyPressEvent(QKeyEvent* event) {
    if (OnBoardKey(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    if (event->key() == kStatusKey && (event->modifiers() & kCommandModifiers) == 0) {
        SayStatus();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QRect CQuelmView::CursorRect() const {
    if (!m_puzzle) return {};
    const int cell = m_puzzle->GetCellSize();
    return {m_cursor.Column() * cell, m_cursor.Row() * cell, cell, cell};
}

void CQuelmView::DrawCursor(QPainter& painter) const {
    const QRect tile = CursorRect();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Ring(painter, tile, kRing, kCursorOuter);
    Ring(painter, tile.adjusted(kRing, kRing, -kRing, -kRing), kRing, kCursorInner);
}
