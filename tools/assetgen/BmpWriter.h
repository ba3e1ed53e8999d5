#pragma once

#include <QByteArray>
#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace assetgen {

// A picture of palette indices with its palette, as an 8-bit bitmap stores it.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::array<QRgb, 256> palette{};    // every entry written; unused ones are black
    std::vector<std::uint8_t> indices;  // width * height, top row first
};

// Bitmap file layout: 14-byte file header, 40-byte information header,
// then (8-bit only) 256 four-byte palette entries, then the rows bottom-up,
// each padded to a multiple of 4 bytes. Always uncompressed.
inline constexpr int kBmpFileHeaderSize = 14;
inline constexpr int kBmpInfoHeaderSize = 40;
inline constexpr int kBmpPaletteEntries = 256;

// Bytes per stored row for a width and bit depth, padded to 4 bytes.
int BmpRowStride(int width, int bitsPerPixel);

// An 8-bit bitmap with its own 256-entry palette.
QByteArray EncodeBmp8(const IndexedImage& image);

// A 24-bit bitmap (blue, green, red per pixel, no palette) of an opaque image.
QByteArray EncodeBmp24(const QImage& image);

}  // namespace assetgen
