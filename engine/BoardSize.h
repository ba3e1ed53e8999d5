#pragma once

#include <algorithm>

#include "resources/BoardSizes.h"

// The board sizes as the engine sees them: the table of the five boards, and
// the limits that go with an edge.
namespace board {

inline constexpr int kCapacity = 25;  // the fixed edge of the tile arrays

using SizeInfo = res::BoardSize;
// The row of the table for a board edge of n tiles, or nullptr for any other n.
constexpr const SizeInfo* FindSize(int n) { return res::FindBoardSize(n); }

// The glimble counts a board of edge n allows: n / 2 to n.
struct Counts {
    int smallest;
    int largest;
    constexpr int Clamp(int count) const { return std::clamp(count, smallest, largest); }
};
constexpr Counts CountRange(int n) { return {n / 2, std::max(n / 2, n)}; }

// Every board of the table fits the tile arrays.
static_assert(res::kLargestBoard.n <= kCapacity, "a board must fit the tile arrays");

}  // namespace board
