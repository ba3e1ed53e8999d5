#pragma once

#include <QImage>

#include <vector>

#include <QString>

// A picture of the manual: its name and the image, in the device pixels of the
// application's screen scale.
struct HelpPicture {
    const char* name;
    QImage image;
    bool words = false;  // shows words: each language has its own, "name.<code>"
};

// The file a picture has beside the manual: "name.png" at scale 1,
// "name@2x.png" at scale 2 (the name browsers and the help window look for).
QString HelpPictureFile(const QString& name, qreal scale);

// The manual's pictures, drawn by the real game on the worked example's
// Tiny board (the same seed and clicks in both tile sets):
//   help-tiles-grass, help-tiles-sand  a covered, an uncovered and a found
//       tile, side by side;
//   help-strip     the status strip under that board;
//   help-example   the board with the four lines of one uncovered tile tinted
//       and that tile framed.
// Needs a QApplication; empty when the game cannot start.
std::vector<HelpPicture> RenderHelpPictures();
