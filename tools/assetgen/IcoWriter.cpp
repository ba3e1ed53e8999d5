#include "tools/assetgen/IcoWriter.h"

#include "tools/assetgen/BmpWriter.h"
#include "tools/assetgen/LittleEndian.h"
#include "tools/assetgen/Quantizer.h"

#include "resources/Pictures.h"

#include <cstdint>

namespace assetgen {
namespace {

constexpr int kIconDirSize = 6;
constexpr int kIconEntrySize = 16;
constexpr std::uint16_t kIconType = 1;
constexpr int kColours = res::kIconColours;
static_assert(kColours == 16, "the images are stored at 4 bits per pixel");

QByteArray IconImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    std::vector<QRgb> palette{qRgb(0, 0, 0)};
    for (QRgb c : BuildPalette(image, kColours - 1)) palette.push_back(c);
    palette.resize(kColours, qRgb(0, 0, 0));
    // Match opaque pixels against the colours after the reserved black.
    const std::vector<QRgb> colours(palette.begin() + 1, palette.end());
    const std::vector<std::uint8_t> indices = MapToPalette(image, colours);

    const int xorStride = BmpRowStride(w, 4);
    const int andStride = BmpRowStride(w, 1);
    QByteArray out;
    PutU32(out, kBmpInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(w));
    PutU32(out, static_cast<std::uint32_t>(2 * h));  // colour rows and mask rows
    PutU16(out, 1);
    PutU16(out, 4);
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>((xorStride + andStride) * h));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    for (QRgb c : palette) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    auto opaque = [&](int x, int y) { return qAlpha(image.pixel(x, y)) >= kOpaqueAlpha; };
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < w; ++x) {
            const int index = opaque(x, y) ? indices[static_cast<std::size_t>(y) * w + x] + 1 : 0;
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x)
            if (!opaque(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray EncodeIco16Colours(const std::vector<QImage>& images) {
    std::vector<QByteArray> bodies;
    bodies.reserve(images.size());
    for (const QImage& image : images) bodies.push_back(IconImage(image));
    QByteArray out;
    PutU16(out, 0);
    PutU16(out, kIconType);
    PutU16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = kIconDirSize + kIconEntrySize * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.append(static_cast<char>(images[i].width() & 0xFF));  // 0 would mean 256
        out.append(static_cast<char>(images[i].height() & 0xFF));
        out.append(static_cast<char>(kColours));
        out.append('\0');
        PutU16(out, 1);  // planes
        PutU16(out, 4);  // bits per pixel
        PutU32(out, static_cast<std::uint32_t>(bodies[i].size()));
        PutU32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const QByteArray& body : bodies) out.append(body);
    return out;
}

}  // namespace assetgen
