#include "FileFormats.h"

namespace filefmt {
namespace {

constexpr qsizetype kFileHeaderBytes = 14;
constexpr qsizetype kInfoHeaderBytes = 40;
constexpr qsizetype kPaletteEntryBytes = 4;
constexpr qsizetype kRiffHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeaderBytes = 8;  // id, size

}  // namespace

std::uint32_t U32(const QByteArray& bytes, qsizetype offset) {
    if (offset < 0 || offset + 4 > bytes.size()) return 0;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

std::uint16_t U16(const QByteArray& bytes, qsizetype offset) {
    if (offset < 0 || offset + 2 > bytes.size()) return 0;
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                      (static_cast<std::uint8_t>(bytes[offset + 1]) << 8));
}

std::int32_t I32(const QByteArray& bytes, qsizetype offset) { return static_cast<std::int32_t>(U32(bytes, offset)); }

std::optional<BmpHeader> ReadBmpHeader(const QByteArray& file) {
    if (file.size() < kFileHeaderBytes + kInfoHeaderBytes || !file.startsWith("BM")) return std::nullopt;
    BmpHeader h;
    h.fileSize = U32(file, 2);
    h.pixelOffset = U32(file, 10);
    h.infoSize = U32(file, 14);
    h.width = I32(file, 18);
    h.height = I32(file, 22);
    h.planes = U16(file, 26);
    h.bitsPerPixel = U16(file, 28);
    h.compression = U32(file, 30);
    h.coloursUsed = U32(file, 46);
    const qsizetype paletteBytes = static_cast<qsizetype>(h.pixelOffset) - kFileHeaderBytes - h.infoSize;
    h.paletteEntries = static_cast<int>(paletteBytes / kPaletteEntryBytes);
    return h;
}

std::uint32_t BmpPixel(const QByteArray& file, const BmpHeader& h, int x, int y) {
    const int storedRow = h.height > 0 ? h.height - 1 - y : y;
    const qsizetype row = h.pixelOffset + static_cast<qsizetype>(storedRow) * h.RowStride();
    qsizetype bgr = 0;  // offset of a blue, green, red triple
    if (h.bitsPerPixel == 8) {
        const auto index = static_cast<std::uint8_t>(file[row + x]);
        bgr = kFileHeaderBytes + h.infoSize + index * kPaletteEntryBytes;
    } else {
        bgr = row + static_cast<qsizetype>(x) * 3;
    }
    const auto byte = [&](qsizetype at) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(file[at])); };
    return (byte(bgr + 2) << 16) | (byte(bgr + 1) << 8) | byte(bgr);
}

std::optional<std::vector<Chunk>> ReadWaveChunks(const QByteArray& file) {
    if (file.size() < kRiffHeaderBytes || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return std::nullopt;
    if (U32(file, 4) != static_cast<std::uint32_t>(file.size() - 8)) return std::nullopt;
    std::vector<Chunk> chunks;
    qsizetype at = kRiffHeaderBytes;
    while (at < file.size()) {
        if (at + kChunkHeaderBytes > file.size()) return std::nullopt;
        Chunk c{file.mid(at, 4).toStdString(), U32(file, at + 4), at + kChunkHeaderBytes};
        const qsizetype padded = c.size + (c.size & 1);
        if (c.payload + static_cast<qsizetype>(c.size) > file.size()) return std::nullopt;
        chunks.push_back(c);
        at = c.payload + padded;
    }
    return chunks;
}

}  // namespace filefmt
