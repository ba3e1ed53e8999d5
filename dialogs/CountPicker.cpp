#include "dialogs/CountPicker.h"

#include "resources/ResourceIds.h"

namespace {

constexpr int kDecimalBase = 10;
constexpr int kLastDigit = 9;

// Strictly inside the square with top-left (left, top) and edge `size`.
bool Inside(int x, int y, int left, int top, int size) {
    return left < x && x < left + size && top < y && y < top + size;
}

// Strictly outside it on some side.
bool Outside(int x, int y, int left, int top, int size) {
    return x < left || x > left + size || y < top || y > top + size;
}

}  // namespace

platform::Rect CountPicker::LeftArrowRect() const { return {m_x0 + kLeftArrowOffset, kRowTop, kCellSize, kCellSize}; }

platform::Rect CountPicker::RightArrowRect() const { return {m_x0 + kRightArrowOffset, kRowTop, kCellSize, kCellSize}; }

platform::Rect CountPicker::DigitsRect() const { return {m_x0, kRowTop, kDigitsWidth, kCellSize}; }

void CountPicker::OnMouseMove(platform::IDrawSurface& dc, int x, int y) {
    const int left = m_x0 + kLeftArrowOffset;
    const int right = m_x0 + kRightArrowOffset;
    if (Inside(x, y, left, kRowTop, kCellSize)) m_leftState = kLit;
    if (Inside(x, y, right, kRowTop, kCellSize)) m_rightState = kLit;
    if (Outside(x, y, left, kRowTop, kCellSize)) m_leftState = kNormal;
    if (Outside(x, y, right, kRowTop, kCellSize)) m_rightState = kNormal;
    DrawArrows(dc);
}

void CountPicker::OnLButtonDown(platform::IDrawSurface& dc, const std::function<void()>& wait) {
    const int step = m_rightState == kLit ? 1 : m_leftState == kLit ? -1 : 0;
    Press(dc, step, wait);
}

void CountPicker::OnStepKey(platform::IDrawSurface& dc, int step, const std::function<void()>& wait) {
    Press(dc, step > 0 ? 1 : -1, wait);
}

void CountPicker::Press(platform::IDrawSurface& dc, int step, const std::function<void()>& wait) {
    int* arrow = step > 0 ? &m_rightState : step < 0 ? &m_leftState : nullptr;
    const int before = arrow != nullptr ? *arrow : kNormal;
    if (arrow != nullptr) *arrow = kPressed;
    m_number += step;
    StepBackIntoRange();
    DrawArrows(dc);
    if (arrow != nullptr) *arrow = before;
    if (wait) wait();
    DrawNumber(dc);
    DrawArrows(dc);
}

void CountPicker::StepBackIntoRange() {
    if (m_number > m_max) --m_number;
    if (m_number < m_min) ++m_number;
}

void CountPicker::DrawNumber(platform::IDrawSurface& dc) const {
    const auto drawDigit = [&dc](int digit, int left) {
        if (digit < 0 || digit > kLastDigit) return;
        dc.CopyBitmap(res::IDB_DIGITS, {digit * kCellSize, 0, kCellSize, kCellSize},
                      {left, kRowTop, kCellSize, kCellSize});
    };
    drawDigit(m_number % kDecimalBase, m_x0 + kCellSize);
    drawDigit(m_number / kDecimalBase, m_x0);
}

void CountPicker::DrawArrows(platform::IDrawSurface& dc) const {
    dc.CopyBitmap(res::IDB_ARROW_DECREASE, {m_leftState * kArrowFrameSize, 0, kArrowFrameSize, kArrowFrameSize},
                  LeftArrowRect());
    dc.CopyBitmap(res::IDB_ARROW_INCREASE, {m_rightState * kArrowFrameSize, 0, kArrowFrameSize, kArrowFrameSize},
                  RightArrowRect());
}
