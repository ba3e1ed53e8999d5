#pragma once

#include "resources/Sounds.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace assetgen {

// Loudest sample of every sound, in dB below full scale.
inline constexpr double kSoundPeakDb = -3.0;

// The interleaved samples (-1 .. 1) of one catalogued sound, exactly as many
// frames as its data byte count holds.
std::vector<double> SoundSamples(const res::SoundInfo& sound);

// The complete wave file of one catalogued sound.
QByteArray MakeSoundFile(const res::SoundInfo& sound);

// The sound's catalogue name as text, e.g. "MOVE" (its file is <name>.wav).
QString SoundName(const res::SoundInfo& sound);

}  // namespace assetgen
