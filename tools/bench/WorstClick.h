#pragma once

#include "resources/BoardSizes.h"

// The board and the tile of the costliest click, where the benchmarks play it.
namespace bench {

inline constexpr int kHuge = res::kLargestBoard.n;  // the largest board: 20 x 20, 23-pixel cells
inline constexpr int kCentre = 9;                   // (9, 9): its four lines hold 75 other tiles, the most any tile has

}  // namespace bench
