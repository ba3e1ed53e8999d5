#pragma once

#include "tools/assetgen/BmpWriter.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace assetgen {

// A pixel at least this opaque counts as opaque; fainter ones as transparent.
inline constexpr int kOpaqueAlpha = 128;

// A palette of at most maxColours colours for the pixels of `image` whose alpha
// is at least half: the exact colours when there are few enough, otherwise a
// variance-driven median cut refined by a few rounds of k-means. The result
// depends on the pixels only, so the same picture always gets the same palette.
std::vector<QRgb> BuildPalette(const QImage& image, int maxColours);

// The index of the palette colour nearest to every pixel, top row first.
std::vector<std::uint8_t> MapToPalette(const QImage& image, const std::vector<QRgb>& palette);

// An opaque picture reduced to an 8-bit picture with its own 256-entry palette.
IndexedImage Quantize8(const QImage& image);

}  // namespace assetgen
