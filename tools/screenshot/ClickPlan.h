#pragma once

#include <vector>

class CPuzzle;

// A tile of the board: (column, row), column first, origin top left.
struct TileAt {
    int column;
    int row;
    friend bool operator==(const TileAt&, const TileAt&) = default;
};

// The clicks of a game at play for a screenshot: `found` tiles that hide a
// glimble and `empty` tiles that hide none, each tile once, picked in a fixed
// order spread over the whole board, so the same board always gives the same
// picture. Asks for more than the board holds give what there is.
std::vector<TileAt> PlanClicks(const CPuzzle& puzzle, int found, int empty);
