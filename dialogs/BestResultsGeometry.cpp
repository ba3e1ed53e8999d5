#include "dialogs/BestResultsGeometry.h"

#include <algorithm>

namespace best_results {
namespace {

// All in letter widths (across) or line heights (down) unless named otherwise.
constexpr int kWidthLetters = 30;
constexpr int kHeightLines = 16;
constexpr int kHeightExtraPixels = 130;  // room for the button under the table
constexpr int kButtonRaisePixels = 80;   // the button's top above the bottom edge
constexpr int kButtonClearPixels = 10;   // at least between the frame and the button
constexpr int kFirstRowLine = 2;         // place 1 starts two lines down
constexpr int kRowLines = 2;             // each row is two lines high
constexpr int kNameLeft = 2;
constexpr int kNameRight = 12;
constexpr int kScoreLeft = 16;
constexpr int kScoreRight = 26;
constexpr int kFrameLeftHalves = 3;  // the frame's left edge is 1.5 letters in
constexpr int kFrameTopLine = 1;
constexpr int kFrameRight = 27;
constexpr int kFrameBottomLine = 17;

platform::Rect Span(int left, int top, int right, int bottom) { return {left, top, right - left, bottom - top}; }

}  // namespace

Geometry ComputeGeometry(int letterWidth, int letterHeight) {
    const int cw = letterWidth;
    const int ch = letterHeight;
    Geometry g;
    g.width = kWidthLetters * cw;
    // Lines taller than 40 pixels would bring the frame down onto the
    // button: then the button moves down, and the dialog grows with it.
    const int buttonTop = std::max(kHeightLines * ch + kHeightExtraPixels - kButtonRaisePixels,
                                   kFrameBottomLine * ch + kButtonClearPixels);
    g.height = buttonTop + kButtonRaisePixels;
    g.okButton = {(g.width - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight};
    for (int i = 0; i < game_settings::kResultPlaces; ++i) {
        // Rows lie two lines apart plus half a line more per place, the half
        // cut off to whole pixels.
        const int top = (i + kFirstRowLine) * ch + i * ch / 2;
        const int bottom = top + kRowLines * ch;
        RowGeometry& row = g.rows[static_cast<std::size_t>(i)];
        row.name = Span(kNameLeft * cw, top, kNameRight * cw, bottom);
        row.score = Span(kScoreLeft * cw, top, kScoreRight * cw, bottom);
    }
    g.frame = Span(kFrameLeftHalves * cw / 2, kFrameTopLine * ch, kFrameRight * cw, kFrameBottomLine * ch);
    return g;
}

}  // namespace best_results
