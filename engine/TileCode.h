#pragma once

#include "resources/TileSets.h"

// One integer per tile holds both its state and the number it shows.
//   -1         no tile (outside the board)
//   0 .. 9     covered tile; the code is its look (a new game deals 0 .. 5)
//   10 .. 29   found tile: a glimble was collected here; shows code - 10
//   30 and up  empty tile: nothing was found here; shows code - 30
namespace tile {

inline constexpr int kNoTile = -1;
inline constexpr int kFoundBase = 10;
inline constexpr int kEmptyBase = 30;
inline constexpr int kLooks = res::kLookFrames;  // covered looks dealt by a new game, one per frame

constexpr bool IsCovered(int code) { return code < kFoundBase; }
constexpr bool IsFound(int code) { return code >= kFoundBase && code < kEmptyBase; }
constexpr bool IsEmpty(int code) { return code >= kEmptyBase; }

constexpr int Found(int number) { return kFoundBase + number; }
constexpr int Empty(int number) { return kEmptyBase + number; }

// The number an uncovered tile shows (meaningless for covered tiles).
constexpr int Number(int code) { return IsEmpty(code) ? code - kEmptyBase : code - kFoundBase; }

}  // namespace tile
