#pragma once

#include "resources/Sounds.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace assetgen {

inline constexpr int kWavPcmFormatTag = 1;

// Interleaved samples in -1 .. 1 as PCM bytes of the given depth, rounded to
// the nearest step and clamped.
QByteArray PcmBytes(const std::vector<double>& interleaved, int bitsPerSample);

// A complete RIFF WAVE file around PCM bytes, in the sample format and chunk
// layout of the catalogued `sound` (its data size is that of `pcm`). `comment` goes into the LIST chunk of the
// extended layout (as ICMT, beside an ISFT naming the generator).
QByteArray EncodeWav(const res::SoundInfo& sound, const QByteArray& pcm, const QString& comment);

}  // namespace assetgen
