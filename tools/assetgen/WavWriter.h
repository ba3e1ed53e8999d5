#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace assetgen {

// Sample format of a PCM wave file.
struct WavFormat {
    int channels = 1;
    int sampleRate = 11025;  // frames per second
    int bitsPerSample = 16;  // 8 (unsigned, 128 is silence) or 16 (signed)
};

// The two chunk layouts our sounds use.
enum class WavLayout {
    // "fmt " of 16 bytes, then "data".
    Plain,
    // "fmt " of 18 bytes (extra size 0), "fact" with the frame count, "data",
    // then a "LIST" chunk of INFO texts after the samples.
    Annotated,
};

inline constexpr int kWavPcmFormatTag = 1;

// Interleaved samples in -1 .. 1 as PCM bytes of the given depth, rounded to
// the nearest step and clamped.
QByteArray PcmBytes(const std::vector<double>& interleaved, int bitsPerSample);

// A complete RIFF WAVE file around PCM bytes. `comment` goes into the LIST
// chunk of the annotated layout (as ICMT, beside an ISFT naming the generator).
QByteArray EncodeWav(const WavFormat& format, WavLayout layout, const QByteArray& pcm, const QString& comment);

}  // namespace assetgen
