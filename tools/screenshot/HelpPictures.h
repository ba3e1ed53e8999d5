#pragma once

#include <QImage>

#include <vector>

// A picture of the manual and the name it has beside the manual.
struct HelpPicture {
    const char* file;
    QImage image;
};

// The manual's pictures, drawn by the real game on the worked example's
// Tiny board (the same seed and clicks in both tile sets):
//   help-tiles-grass.png, help-tiles-sand.png  a covered, an uncovered and a
//       found tile, side by side;
//   help-strip.png     the status strip under that board;
//   help-example.png   the board with the four lines of one uncovered tile
//       tinted and that tile framed.
// Needs a QApplication; empty when the game cannot start.
std::vector<HelpPicture> RenderHelpPictures();
