#pragma once

// Independent readers of the bitmap, icon and RIFF WAVE layouts, so the tests
// check the embedded files byte by byte instead of trusting a decoder.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QByteArray>

namespace filefmt {

// Little-endian reads; zero past the end.
std::uint32_t U32(const QByteArray& bytes, qsizetype offset);
std::uint16_t U16(const QByteArray& bytes, qsizetype offset);
std::int32_t I32(const QByteArray& bytes, qsizetype offset);

// The file and information headers of a bitmap (.bmp) file.
struct BmpHeader {
    std::uint32_t fileSize = 0;     // as the file header says
    std::uint32_t pixelOffset = 0;  // where the rows begin
    std::uint32_t infoSize = 0;     // 40 in every picture of the game
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows stored bottom-up
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;  // 0: uncompressed
    std::uint32_t coloursUsed = 0;  // 0 means "all" for 8-bit pictures
    int paletteEntries = 0;         // 4-byte entries between the headers and the rows
    std::uint32_t RowStride() const { return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4; }
};

// Nothing when the bytes do not start with "BM" or are too short for both headers.
std::optional<BmpHeader> ReadBmpHeader(const QByteArray& file);

// The colour of pixel (x, y), y counted from the top, read straight from the
// rows as 0xRRGGBB; 8-bit pixels go through the palette.
std::uint32_t BmpPixel(const QByteArray& file, const BmpHeader& header, int x, int y);

struct Chunk {
    std::string id;
    std::uint32_t size = 0;  // payload bytes, without the pad byte
    qsizetype payload = 0;   // offset of the payload in the file
};

// The RIFF WAVE file's chunks in order. Nothing when the file is not
// "RIFF....WAVE", its RIFF size disagrees with its length, or a chunk runs
// past the end.
std::optional<std::vector<Chunk>> ReadWaveChunks(const QByteArray& file);

}  // namespace filefmt
