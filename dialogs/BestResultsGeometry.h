#pragma once

#include <array>

#include "engine/Settings.h"
#include "platform/DrawSurface.h"

// Where the best-results dialog puts everything, in pixels, worked out from
// the size of the letter "W" in the table's font when the dialog opens. The
// button keeps clear of the table's frame, the dialog growing for it where
// the lines are very tall.
namespace best_results {

// The OK picture button, 120 x 50 pixels.
inline constexpr int kButtonWidth = 120;
inline constexpr int kButtonHeight = 50;

struct RowGeometry {
    platform::Rect name;   // the name is centred across it, at its top, clipped to it
    platform::Rect score;  // likewise the score
};

struct Geometry {
    int width = 0;                                               // the dialog: 30 letters wide
    int height = 0;                                              // 16 lines and 130 pixels high, or more (below)
    platform::Rect okButton;                                     // centred across, 80 pixels above the bottom edge
    std::array<RowGeometry, game_settings::kResultPlaces> rows;  // place 1 first
    platform::Rect frame;                                        // the one-pixel frame around the table
};

// The layout for a "W" of `letterWidth` x `letterHeight` pixels.
Geometry ComputeGeometry(int letterWidth, int letterHeight);

}  // namespace best_results
