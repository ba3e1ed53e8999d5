#pragma once

// The five square boards the game offers, and what goes with each.
namespace board {

inline constexpr int kCapacity = 25;  // the fixed edge of the tile arrays

struct SizeInfo {
    int n;         // tiles across and down
    int cellSize;  // edge of one tile on screen, in pixels
    int minCount;  // fewest glimbles allowed after a size change (n / 2)
    int maxCount;  // most glimbles allowed after a size change (n)
};

inline constexpr SizeInfo kSizes[] = {
    {8, 40, 4, 8}, {11, 40, 5, 11}, {14, 33, 7, 14}, {17, 27, 8, 17}, {20, 23, 10, 20},
};

// The row of the table for a board edge of n tiles, or nullptr for any other n.
constexpr const SizeInfo* FindSize(int n) {
    for (const SizeInfo& s : kSizes) {
        if (s.n == n) return &s;
    }
    return nullptr;
}

}  // namespace board
