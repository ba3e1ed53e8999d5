#pragma once

// Where the view puts things, in pixels.
namespace view {

inline constexpr int kStripHeight = 60;    // the status strip under the board
inline constexpr int kPanelWidth = 320;    // picture 135, stretched to the board's width
inline constexpr int kEdge = 2;            // the sunken edge around the view
inline constexpr int kFrameClientExtra = 62;  // frame client height beyond the board
inline constexpr int kLabelHeight = 40;
inline constexpr int kPointsLabelWidth = 80;
inline constexpr int kGlimblesLabelWidth = 100;
inline constexpr int kDigitFrame = 40;     // a digit's frame in picture 130
inline constexpr int kDigitSize = 25;      // a digit as the counters show it
inline constexpr int kPointsDigits = 3;
inline constexpr int kGlimblesDigits = 2;
inline constexpr int kCountersWidth = 310; // labels and counters together, centred

struct StatusLayout {
    int pointsLabelX;
    int glimblesLabelX;
    int labelY;
    int pointsDigitsX;
    int glimblesDigitsX;
    int digitsY;
};

// The labels and counters of the status strip under a board of the given size.
constexpr StatusLayout LayoutStatus(int boardWidth, int boardHeight) {
    const int x0 = (boardWidth - kCountersWidth) / 2;
    return {x0, x0 + 160, boardHeight + 10, x0 + 82, x0 + 260, boardHeight + 17};
}

}  // namespace view
