#pragma once

#include "tools/assetgen/Catalogue.h"

#include <QByteArray>

#include <vector>

namespace assetgen {

// Loudest sample of every sound, in dB below full scale.
inline constexpr double kSoundPeakDb = -3.0;

// The interleaved samples (-1 .. 1) of one catalogued sound, exactly as many
// frames as its data byte count holds.
std::vector<double> SoundSamples(const SoundSpec& spec);

// The complete wave file of one catalogued sound.
QByteArray MakeSoundFile(const SoundSpec& spec);

}  // namespace assetgen
