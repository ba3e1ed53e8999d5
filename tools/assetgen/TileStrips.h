#pragma once

#include "tools/assetgen/TileArt.h"

#include <span>

namespace assetgen {

// A catalogued strip of uncovered tiles: number k + its first number in frame k.
struct NumberStrip {
    int id;
    World world;
    Uncovered kind;
    int continues;  // the strip whose numbers this one carries on; kNoStrip when it starts at 0
};

inline constexpr int kNoStrip = 0;

// Every strip of uncovered tiles, both worlds.
std::span<const NumberStrip> NumberStrips();

// The number in the strip's first frame: 0, or one past the last number of
// the strip it continues.
int FirstNumber(const NumberStrip& strip);

// A catalogued strip of covered tiles: look k in frame k.
struct LookStrip {
    int id;
    World world;
};

// The covered strips of both worlds.
std::span<const LookStrip> LookStrips();

// The id of a world's strip of covered looks.
int CoveredStripId(World world);

// One frame of a strip.
struct StripFrame {
    int id;     // catalogued picture
    int frame;  // 0 is the leftmost
};

// Where the uncovered tile showing `number` is stored; id kNoStrip when no
// strip holds that number.
StripFrame NumberFrame(World world, Uncovered kind, int number);

}  // namespace assetgen
