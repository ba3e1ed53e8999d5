#include "platform/pulse/WaveFile.h"

#include <cstdint>
#include <string_view>

namespace platform::pulse {
namespace {

constexpr std::size_t kChunkHeaderBytes = 8;  // four-letter id, 32-bit size
constexpr std::size_t kRiffHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kPcmFormatBytes = 16;   // the fields of a PCM "fmt " chunk
constexpr std::uint16_t kPcmTag = 1;
constexpr int kMaxChannels = 8;

std::uint32_t Read32(std::span<const std::byte> bytes, std::size_t at) {
    return std::to_integer<std::uint32_t>(bytes[at]) | (std::to_integer<std::uint32_t>(bytes[at + 1]) << 8) |
           (std::to_integer<std::uint32_t>(bytes[at + 2]) << 16) |
           (std::to_integer<std::uint32_t>(bytes[at + 3]) << 24);
}

std::uint16_t Read16(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[at]) |
                                      (std::to_integer<unsigned>(bytes[at + 1]) << 8));
}

bool IdIs(std::span<const std::byte> bytes, std::size_t at, std::string_view id) {
    for (std::size_t i = 0; i < id.size(); ++i) {
        if (std::to_integer<char>(bytes[at + i]) != id[i]) return false;
    }
    return true;
}

std::optional<WaveFormat> ReadFormat(std::span<const std::byte> chunk) {
    if (chunk.size() < kPcmFormatBytes || Read16(chunk, 0) != kPcmTag) return std::nullopt;
    WaveFormat format;
    format.channels = Read16(chunk, 2);
    format.sampleRate = static_cast<int>(Read32(chunk, 4));
    const std::uint16_t blockAlign = Read16(chunk, 12);
    format.bitsPerSample = Read16(chunk, 14);
    const bool sizes = format.bitsPerSample == 8 || format.bitsPerSample == 16;
    if (!sizes || format.channels < 1 || format.channels > kMaxChannels || format.sampleRate <= 0 ||
        blockAlign != format.BytesPerFrame()) {
        return std::nullopt;
    }
    return format;
}

}  // namespace

std::optional<WaveSamples> ReadWave(std::span<const std::byte> file) {
    if (file.size() < kRiffHeaderBytes || !IdIs(file, 0, "RIFF") || !IdIs(file, 8, "WAVE")) return std::nullopt;
    // The RIFF size counts from the form type on; bytes after it are not ours.
    const std::size_t riffEnd = std::size_t{Read32(file, 4)} + kChunkHeaderBytes;
    if (riffEnd > file.size()) return std::nullopt;

    std::optional<WaveFormat> format;
    std::optional<std::span<const std::byte>> data;
    std::size_t at = kRiffHeaderBytes;
    while (at + kChunkHeaderBytes <= riffEnd) {
        const std::size_t size = Read32(file, at + 4);
        const std::size_t body = at + kChunkHeaderBytes;
        if (size > riffEnd - body) return std::nullopt;
        const auto payload = file.subspan(body, size);
        if (IdIs(file, at, "fmt ")) {
            if (format) return std::nullopt;
            format = ReadFormat(payload);
            if (!format) return std::nullopt;
        } else if (IdIs(file, at, "data")) {
            if (data) return std::nullopt;
            data = payload;
        }
        at = body + size + (size & 1U);
    }
    if (!format || !data) return std::nullopt;
    const auto frameBytes = static_cast<std::size_t>(format->BytesPerFrame());
    return WaveSamples{*format, data->first(data->size() / frameBytes * frameBytes)};
}

}  // namespace platform::pulse
