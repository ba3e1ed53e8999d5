// Drawing the view: the board, the status strip with its two counters, and
// fitting the main window around them.
#include "resources/ResourceIds.h"
#include "resources/StatusStrip.h"
#include "shell/QuelmView.h"
#include "shell/ViewGeometry.h"

using platform::Rect;

void CQuelmView::OnDraw(platform::IDrawSurface& dc) {
    if (!m_puzzle) return;
    const int width = m_puzzle->GetBoardWidth();
    const int height = m_puzzle->GetBoardHeight() + status_strip::kHeight;

    m_puzzle->DrawBoard(dc);
    dc.CopyBitmap(res::IDB_STATUS_PANEL, {0, 0, status_strip::kPanelWidth, status_strip::kHeight},
                  {0, height - status_strip::kHeight, width, status_strip::kHeight});
    DrawStatus(dc);
}

void CQuelmView::DrawStatus(platform::IDrawSurface& dc) {
    if (!m_puzzle) return;
    const status_strip::Layout at = status_strip::LayoutAt(m_puzzle->GetBoardWidth(), m_puzzle->GetBoardHeight());

    dc.CopyBitmap(res::IDB_POINTS_LABEL, {0, 0, status_strip::kPointsLabelWidth, status_strip::kLabelHeight},
                  {at.pointsLabelX, at.labelY, status_strip::kPointsLabelWidth, status_strip::kLabelHeight});
    dc.CopyBitmap(res::IDB_GLIMBLES_LABEL, {0, 0, status_strip::kGlimblesLabelWidth, status_strip::kLabelHeight},
                  {at.glimblesLabelX, at.labelY, status_strip::kGlimblesLabelWidth, status_strip::kLabelHeight});
    DrawDigits(dc, at.pointsDigitsX, at.digitsY, m_puzzle->GetScore(), status_strip::kPointsDigits);
    DrawDigits(dc, at.glimblesDigitsX, at.digitsY, m_puzzle->GetRemaining(), status_strip::kGlimblesDigits);
}

void CQuelmView::DrawDigits(platform::IDrawSurface& dc, int x, int y, int value, int digits) {
    // The digit pictures have no minus sign: a score below zero shows as
    // zeros, the points the player has left.
    if (value < 0) value = 0;
    const int rightmost = x + (digits - 1) * status_strip::kDigitSize;
    for (int i = 0; i < digits; ++i) {
        const int digit = value % 10;
        dc.CopyBitmap(res::IDB_DIGITS,
                      {status_strip::kDigitFrame * digit, 0, status_strip::kDigitFrame, status_strip::kDigitFrame},
                      {rightmost - status_strip::kDigitSize * i, y, status_strip::kDigitSize,
                       status_strip::kDigitSize});
        value /= 10;
    }
}

void CQuelmView::FitWindowToBoard() {
    if (!m_puzzle) return;
    // The area under the menu bar is W + 4 by Hb + 62; the view inside its
    // sunken edge is W by Hb + 58: the board and all but the last 2 rows of
    // the status strip.
    const int width = m_puzzle->GetBoardWidth() + 2 * view::kEdge;
    const int height = m_puzzle->GetBoardHeight() + view::kFrameClientExtra;
    setFixedSize(width - 2 * view::kEdge, height - 2 * view::kEdge);
    m_fitWindow(width, height);
    Invalidate();
}
