#pragma once

#include <span>
#include <string_view>

// The four recordings: complete RIFF WAVE files of uncompressed PCM samples,
// looked up by name.
namespace res {

// How the chunks of a sound file follow one another.
enum class WaveLayout {
    Plain,     // "fmt " of 16 bytes, then "data"
    Extended,  // "fmt " of 18 bytes, "fact", "data", then a "LIST" after the samples
};

struct SoundInfo {
    std::string_view name;
    int channels;
    int sampleRate;     // frames per second
    int bitsPerSample;  // 8 (unsigned) or 16 (signed)
    int dataBytes;      // exact size of the "data" chunk's payload
    WaveLayout layout;

    constexpr int FormatChunkBytes() const { return layout == WaveLayout::Extended ? 18 : 16; }
    constexpr int BlockAlign() const { return channels * bitsPerSample / 8; }
};

// Every sound: MOVE, SELECT, BEST, WIN.
std::span<const SoundInfo> AllSounds();

// The row for `name` (case-sensitive), or nullptr when there is no such sound.
const SoundInfo* FindSound(std::string_view name);

}  // namespace res
