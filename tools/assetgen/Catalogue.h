#pragma once

#include "tools/assetgen/WavWriter.h"

#include <array>

namespace assetgen {

// The pictures the generator writes, as the game's catalogue lists them.
struct PictureSpec {
    int id;          // resource id, also the file name <id>.bmp
    int width;       // pixels
    int height;      // pixels
    int depth;       // 8 (own 256-entry palette) or 24 (no palette)
    int frameWidth;  // frames lie side by side, each this wide
};

inline constexpr int kTileSize = 40;  // edge of one tile frame
inline constexpr int kNumberFrames = 15;  // numbers 0 to 14 in the main strips
inline constexpr int kCoveredLooks = 6;
inline constexpr int kFirstExtraNumber = 15;  // the extension strips hold 15 to 20
inline constexpr int kExtraNumberFrames = 6;

namespace pic {
inline constexpr int kGrassEmpty = 130;
inline constexpr int kGrassCovered = 131;
inline constexpr int kGrassFound = 132;
inline constexpr int kArrowLeft = 133;
inline constexpr int kArrowRight = 134;
inline constexpr int kStatusPanel = 135;
inline constexpr int kPointsLabel = 136;
inline constexpr int kGlimblesLabel = 137;
inline constexpr int kOkNormal = 139;
inline constexpr int kOkPressed = 140;
inline constexpr int kCancelNormal = 141;
inline constexpr int kCancelPressed = 142;
inline constexpr int kSandCovered = 146;
inline constexpr int kSandEmpty = 147;
inline constexpr int kSandFound = 148;
inline constexpr int kFirstTip = 150;  // tips 1 to 5 are 150 to 154
inline constexpr int kTipCount = 5;
inline constexpr int kGrassFoundExtra = 155;
inline constexpr int kGrassEmptyExtra = 156;
inline constexpr int kSandFoundExtra = 157;
inline constexpr int kSandEmptyExtra = 158;
}  // namespace pic

inline constexpr std::array<PictureSpec, 24> kPictures{{
    {pic::kGrassEmpty, 600, 40, 8, kTileSize},
    {pic::kGrassCovered, 240, 40, 8, kTileSize},
    {pic::kGrassFound, 600, 40, 8, kTileSize},
    {pic::kArrowLeft, 90, 30, 24, 30},
    {pic::kArrowRight, 90, 30, 24, 30},
    {pic::kStatusPanel, 320, 60, 24, 320},
    {pic::kPointsLabel, 80, 40, 24, 80},
    {pic::kGlimblesLabel, 100, 40, 24, 100},
    {pic::kOkNormal, 120, 50, 24, 120},
    {pic::kOkPressed, 120, 50, 24, 120},
    {pic::kCancelNormal, 120, 50, 24, 120},
    {pic::kCancelPressed, 120, 50, 24, 120},
    {pic::kSandCovered, 240, 40, 8, kTileSize},
    {pic::kSandEmpty, 600, 40, 8, kTileSize},
    {pic::kSandFound, 600, 40, 8, kTileSize},
    {150, 450, 200, 8, 450},
    {151, 450, 200, 8, 450},
    {152, 450, 200, 8, 450},
    {153, 450, 200, 8, 450},
    {154, 450, 200, 8, 450},
    {pic::kGrassFoundExtra, 240, 40, 8, kTileSize},
    {pic::kGrassEmptyExtra, 240, 40, 8, kTileSize},
    {pic::kSandFoundExtra, 240, 40, 8, kTileSize},
    {pic::kSandEmptyExtra, 240, 40, 8, kTileSize},
}};

// The four sounds: name (file <name>.wav), sample format, layout, data bytes.
struct SoundSpec {
    const char* name;
    WavFormat format;
    WavLayout layout;
    int dataBytes;
};

inline const std::array<SoundSpec, 4> kSounds{{
    {"MOVE", {2, 22050, 16}, WavLayout::Annotated, 86484},
    {"SELECT", {2, 22050, 16}, WavLayout::Annotated, 22920},
    {"BEST", {1, 11025, 8}, WavLayout::Plain, 25972},
    {"WIN", {1, 11025, 16}, WavLayout::Plain, 87038},
}};

// The window icon's images and the desktop renderings.
inline constexpr std::array<int, 2> kIconImageSizes{32, 16};
inline constexpr int kIconColours = 16;
inline constexpr std::array<int, 6> kIconPngSizes{16, 32, 48, 64, 128, 256};

}  // namespace assetgen
