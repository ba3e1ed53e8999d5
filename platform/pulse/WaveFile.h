#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace platform::pulse {

// How the samples of a WAVE file are laid out: interleaved frames of
// `channels` samples, each 8-bit unsigned or 16-bit signed little-endian.
struct WaveFormat {
    int channels = 0;
    int sampleRate = 0;  // frames per second
    int bitsPerSample = 0;

    int BytesPerFrame() const { return channels * bitsPerSample / 8; }
    friend bool operator==(const WaveFormat&, const WaveFormat&) = default;
};

// The PCM samples of a WAVE file, pointing into the file's own bytes.
struct WaveSamples {
    WaveFormat format;
    std::span<const std::byte> data;  // whole frames only
};

// Reads a RIFF WAVE file of uncompressed PCM: finds its "fmt " and "data"
// chunks among any others ("fact", "LIST", ...), in whatever order, each
// chunk padded to an even length. Nothing when the bytes are not such a file,
// a chunk runs past the end, or the samples are not 8 or 16 bits of 1 to 8
// channels.
std::optional<WaveSamples> ReadWave(std::span<const std::byte> file);

}  // namespace platform::pulse
