#pragma once

#include <algorithm>

// The five square boards the game offers, and what goes with each.
namespace board {

inline constexpr int kCapacity = 25;  // the fixed edge of the tile arrays

struct SizeInfo {
    int n;         // tiles across and down
    int cellSize;  // edge of one tile on screen, in pixels
};

// The boards from Tiny to Huge; the names below index this table.
inline constexpr SizeInfo kSizes[] = {{8, 40}, {11, 40}, {14, 33}, {17, 27}, {20, 23}};
enum SizeIndex { kTiny, kSmall, kNormal, kBig, kHuge };

// The row of the table for a board edge of n tiles, or nullptr for any other n.
constexpr const SizeInfo* FindSize(int n) {
    for (const SizeInfo& s : kSizes) {
        if (s.n == n) return &s;
    }
    return nullptr;
}

// The glimble counts a board of edge n allows: n / 2 to n.
struct Counts {
    int smallest;
    int largest;
    constexpr int Clamp(int count) const { return std::clamp(count, smallest, largest); }
};
constexpr Counts CountRange(int n) { return {n / 2, std::max(n / 2, n)}; }

}  // namespace board
