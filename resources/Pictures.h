#pragma once

#include <span>
#include <string_view>

#include "resources/Text.h"

// What every picture of the program is: size, depth and frames. The files are
// uncompressed bitmaps with a 40-byte information header, stored bottom-up;
// a strip lays its frames out left to right, frame k at x = k * frame width.
namespace res {

struct PictureInfo {
    int id;
    int width;         // pixels, all frames together
    int height;        // pixels
    int bitsPerPixel;  // 8 (with its own 256-entry palette) or 24 (no palette)
    int frameCount;    // equal frames side by side; 1 for a single picture
    std::string_view content;

    constexpr int FrameWidth() const { return width / frameCount; }
    // Entries of the colour table that follows the header.
    constexpr int PaletteEntries() const { return bitsPerPixel == 8 ? 256 : 0; }
};

// Every picture, in id order.
std::span<const PictureInfo> AllPictures();

// The row for `id`, or nullptr when the program has no such picture.
const PictureInfo* FindPicture(int id);

// The words drawn on pictures: the status strip's plates and the picture
// buttons, which are also the buttons' names for assistive tools.
inline constexpr Text kPointsWord = GLIMBLES_TEXT("Status strip", "Points");
//: The status strip's count of the glimbles still hidden.
inline constexpr Text kGlimblesWord = GLIMBLES_TEXT("Status strip", "Glimbles");
inline constexpr Text kOkWord = GLIMBLES_TEXT("Picture buttons", "OK");
inline constexpr Text kCancelWord = GLIMBLES_TEXT("Picture buttons", "Cancel");

// Sizes the code lays things out by; the table below is made from them.
inline constexpr int kButtonWidth = 120;  // every OK and Cancel picture
inline constexpr int kButtonHeight = 50;
// The raised face of every OK and Cancel picture: a body whose ends are
// kButtonFaceRadius round, kButtonFaceInset in from the left, right and top
// edges and kButtonFaceHeight high, that sinks kButtonPressSink in the
// pressed pictures. Its word keeps kButtonWordInset clear of its ends,
// leaving room for the ring that shows the keyboard focus.
inline constexpr int kButtonFaceInset = 3;
inline constexpr int kButtonFaceHeight = 40;
inline constexpr int kButtonFaceRadius = 14;
inline constexpr int kButtonPressSink = 3;
inline constexpr int kButtonWordInset = 8;
inline constexpr int kArrowFrame = 30;  // the square frames of the two arrows
inline constexpr int kTipWidth = 450;   // every tip picture
inline constexpr int kTipHeight = 200;

// Every picture is also stored drawn this many times finer, for screens with
// more than one device pixel per pixel: bitmaps/<scale>x/<id>.png, opaque,
// the same frames in the same places with every length times the scale.
inline constexpr int kFinerScales[] = {2, 3};

// The main icon, IDR_MAINFRAME: two images of 16 colours each.
inline constexpr int kIconImageSizes[] = {32, 16};
inline constexpr int kIconColours = 16;
// Square renderings of the icon for the desktop, in pixels.
inline constexpr int kIconPngSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace res
