#include "tools/assetgen/BmpWriter.h"

#include "tools/assetgen/LittleEndian.h"

namespace assetgen {
namespace {

constexpr int kPixelsPerMetre = 3780;          // 96 dots per inch
constexpr std::uint16_t kBmpMagic = 0x4D42;    // "BM"
constexpr std::uint32_t kCompressionNone = 0;  // rows of plain pixels, not compressed

void PutHeaders(QByteArray& out, int width, int height, int bits, int paletteEntries) {
    const auto pixelBytes = static_cast<std::uint32_t>(BmpRowStride(width, bits) * height);
    const std::uint32_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * paletteEntries;
    // File header.
    PutU16(out, kBmpMagic);
    PutU32(out, offset + pixelBytes);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU32(out, offset);
    // Information header; a positive height means the rows are stored bottom-up.
    PutU32(out, kBmpInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));
    PutU16(out, 1);  // planes
    PutU16(out, static_cast<std::uint16_t>(bits));
    PutU32(out, kCompressionNone);
    PutU32(out, pixelBytes);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, static_cast<std::uint32_t>(paletteEntries));  // colours used
    PutU32(out, 0);                                           // all colours important
}

void PadRow(QByteArray& out, int written, int stride) {
    for (int i = written; i < stride; ++i) out.append('\0');
}

}  // namespace

int BmpRowStride(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

QByteArray EncodeBmp8(const IndexedImage& image) {
    QByteArray out;
    PutHeaders(out, image.width, image.height, 8, kBmpPaletteEntries);
    for (QRgb c : image.palette) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    const int stride = BmpRowStride(image.width, 8);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = image.indices.data() + static_cast<std::size_t>(y) * image.width;
        out.append(reinterpret_cast<const char*>(row), image.width);
        PadRow(out, image.width, stride);
    }
    return out;
}

QByteArray EncodeBmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QByteArray out;
    PutHeaders(out, image.width(), image.height(), 24, 0);
    const int stride = BmpRowStride(image.width(), 24);
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
        }
        PadRow(out, image.width() * 3, stride);
    }
    return out;
}

}  // namespace assetgen
