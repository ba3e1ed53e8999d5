#pragma once

#include <functional>

#include "platform/DrawSurface.h"

// The glimble-count picker's number and its two arrows, without any window:
// the count dialog feeds it the pointer and the clicks and gives it a surface
// to draw on.
//
// One row, 50 to 89 pixels down, centred across the dialog: the decrease
// arrow, 30 pixels clear, two digits of 40 x 40, 30 pixels clear, the
// increase arrow. Each arrow is a 30 x 30 frame stretched to 40 x 40.
class CountPicker {
public:
    // What an arrow shows; also the frame of its strip that is drawn.
    enum ArrowState { kNormal = 0, kLit = 1, kPressed = 2 };

    // The number starts as handed in, even outside smallest..largest.
    CountPicker(int smallest, int largest, int number) : m_min(smallest), m_max(largest), m_number(number) {}

    // The dialog's client width, which centres the row.
    void SetClientWidth(int width) { m_x0 = (width - kDigitsWidth) / 2; }

    int GetNumber() const { return m_number; }
    int Smallest() const { return m_min; }
    int Largest() const { return m_max; }

    // The pointer moved to (x, y): lights the arrow under it and clears the
    // one it left, then draws both arrows. A point exactly on an arrow's
    // border changes neither.
    void OnMouseMove(platform::IDrawSurface& dc, int x, int y);

    // A click anywhere: the lit arrow steps the number, the pressed arrow is
    // drawn, `wait` runs (the press is seen for a moment), then the number and
    // the arrows are drawn. A step past a limit is taken back one step.
    void OnLButtonDown(platform::IDrawSurface& dc, const std::function<void()>& wait);

    // A key that steps the number (`step` +1 raises, -1 lowers): the press of
    // a click on that arrow, with the same pressed picture, wait and step back
    // at a limit; afterwards the arrow shows what it showed before.
    void OnStepKey(platform::IDrawSurface& dc, int step, const std::function<void()>& wait);

    // Draws the two digits; a number below 10 shows a leading 0. A digit that
    // is not 0 to 9 (a number handed in below 0 or above 99) is not drawn.
    void DrawNumber(platform::IDrawSurface& dc) const;
    // Draws both arrows in their present states.
    void DrawArrows(platform::IDrawSurface& dc) const;

    // Where the row's parts are, for repainting just them.
    platform::Rect LeftArrowRect() const;
    platform::Rect RightArrowRect() const;
    platform::Rect DigitsRect() const;

    static constexpr int kRowTop = 50;
    static constexpr int kCellSize = 40;        // each digit and each arrow on screen
    static constexpr int kArrowFrameSize = 30;  // each frame of the arrow strips
    static constexpr int kDigitsWidth = 2 * kCellSize;
    static constexpr int kLeftArrowOffset = -70;   // from the tens digit's left edge
    static constexpr int kRightArrowOffset = 110;  // likewise

private:
    friend struct TestAccess;
    // A press, by click or key: the number takes `step` (-1, 0 or +1) and the
    // arrow of that step is drawn pressed while `wait` runs; then the number
    // is drawn and the arrows as they were.
    void Press(platform::IDrawSurface& dc, int step, const std::function<void()>& wait);
    // One step back at a limit, not a clamp: a number handed in outside the
    // range only moves towards it.
    void StepBackIntoRange();

    int m_min;                   // smallest number allowed
    int m_max;                   // largest number allowed
    int m_number;                // the number being chosen
    int m_leftState = kNormal;   // the decrease arrow
    int m_rightState = kNormal;  // the increase arrow
    int m_x0 = 0;                // left edge of the tens digit
};
