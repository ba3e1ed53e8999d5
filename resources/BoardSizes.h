#pragma once

#include <iterator>
#include <string_view>

#include "resources/Text.h"

// The square boards the game offers, smallest first, one row a size: the Set
// Size menu, its commands and check marks, the size setting's valid values
// and the words the tip pictures show are all made from this table.
namespace res {

struct BoardSize {
    Text name;     // the Set Size item, and the tips' word for the board
    int command;   // the item's command id (fixed values, not in the order of the sizes)
    int n;         // tiles across and down
    int cellSize;  // edge of one tile on screen, in pixels
};

inline constexpr BoardSize kBoardSizes[] = {
    {GLIMBLES_TEXT("Set Size menu", "Tiny"), 32772, 8, 40},     // 320 pixels across
    {GLIMBLES_TEXT("Set Size menu", "Small"), 32771, 11, 40},   // 440
    {GLIMBLES_TEXT("Set Size menu", "Normal"), 32778, 14, 33},  // 462
    {GLIMBLES_TEXT("Set Size menu", "Big"), 32773, 17, 27},     // 459
    {GLIMBLES_TEXT("Set Size menu", "Huge"), 32774, 20, 23},    // 460
};
inline constexpr const BoardSize& kSmallestBoard = kBoardSizes[0];
inline constexpr const BoardSize& kLargestBoard = kBoardSizes[std::size(kBoardSizes) - 1];

// The row of a board edge of n tiles, or nullptr for any other n.
constexpr const BoardSize* FindBoardSize(int n) {
    for (const BoardSize& size : kBoardSizes) {
        if (size.n == n) return &size;
    }
    return nullptr;
}

// The row whose Set Size item sends `command`, or nullptr.
constexpr const BoardSize* FindBoardSizeCommand(int command) {
    for (const BoardSize& size : kBoardSizes) {
        if (size.command == command) return &size;
    }
    return nullptr;
}

// The board's pixels across: the window, and the status strip under the
// board, are this wide.
constexpr int BoardWidth(const BoardSize& size) { return size.n * size.cellSize; }

}  // namespace res
