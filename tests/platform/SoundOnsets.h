#pragma once
// Finding where known sounds start in a recording: the opening of each sound
// is slid along the recording, and every place where it matches well (a
// normalised cross-correlation near 1) is an onset.

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace pulse_rig {

// The first `seconds` of the embedded sound `name`, as mono samples (-1 .. 1)
// at the recorder's rate; empty when the sound is missing or is not 16-bit
// at that rate.
std::vector<float> Opening(std::string_view name, double seconds);

struct Onset {
    std::size_t sample;  // where the pattern's first sample lies in the recording
    int pattern;         // which of the patterns
    float score;         // normalised cross-correlation, up to 1
};

// Every place where one of `patterns` starts in `recording` with a score of
// at least `threshold` that no other match within `separation` samples beats,
// in the order of the recording. Stretches quieter than the faintest part of
// a sound are skipped.
std::vector<Onset> FindOnsets(std::span<const float> recording, const std::vector<std::vector<float>>& patterns,
                              float threshold, std::size_t separation);

}  // namespace pulse_rig
