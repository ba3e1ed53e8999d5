#pragma once

#include "resources/BoardSizes.h"

// The status strip under the board: the panel stretched to the board's width,
// the "Points" and "Glimbles" plates and the two counters drawn with digit
// tiles, all in pixels. The view draws it so, and the tips picture it so.
namespace status_strip {

inline constexpr int kHeight = 60;       // picture 135, stretched to the board's width
inline constexpr int kPanelWidth = 320;  // picture 135 as stored
inline constexpr int kLabelHeight = 40;
inline constexpr int kPointsLabelWidth = 80;
inline constexpr int kGlimblesLabelWidth = 100;
inline constexpr int kDigitFrame = 40;  // a digit's frame in picture 130
inline constexpr int kDigitSize = 25;   // a digit as the counters show it
inline constexpr int kPointsDigits = 3;
inline constexpr int kGlimblesDigits = 2;
inline constexpr int kCountersWidth = 310;  // labels and counters together, centred
inline constexpr int kLabelTop = 10;        // the plates' top below the strip's top
inline constexpr int kDigitsTop = 17;       // the counters' top below the strip's top

struct Layout {
    int pointsLabelX;
    int glimblesLabelX;
    int labelY;
    int pointsDigitsX;
    int glimblesDigitsX;
    int digitsY;
};

// The labels and counters of a strip `width` wide whose top is at `top`.
constexpr Layout LayoutAt(int width, int top) {
    const int x0 = (width - kCountersWidth) / 2;
    return {x0, x0 + 160, top + kLabelTop, x0 + 82, x0 + 260, top + kDigitsTop};
}

// The strip is as wide as the board: on every board the labels and counters
// lie between its left and right edges.
constexpr bool FitsEveryBoard() {
    for (const res::BoardSize& size : res::kBoardSizes) {
        const int width = res::BoardWidth(size);
        const Layout layout = LayoutAt(width, 0);
        if (layout.pointsLabelX < 0) return false;
        if (layout.glimblesDigitsX + kGlimblesDigits * kDigitSize > width) return false;
        if (layout.glimblesLabelX + kGlimblesLabelWidth > width) return false;
    }
    return true;
}
static_assert(FitsEveryBoard(), "a board narrower than the counters would put them outside the window");

}  // namespace status_strip
