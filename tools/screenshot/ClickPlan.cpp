#include "tools/screenshot/ClickPlan.h"

#include <numeric>

#include "engine/Puzzle.h"

namespace {
// Tiles are visited at this stride through the board in reading order, which
// scatters the picks instead of filling the top rows first.
constexpr int kStride = 37;
}  // namespace

std::vector<TileAt> PlanClicks(const CPuzzle& puzzle, int found, int empty) {
    const int columns = puzzle.GetColumns();
    const int tiles = columns * puzzle.GetRows();
    // A stride that shares no factor with the tile count reaches every tile once.
    int stride = kStride;
    while (tiles > 0 && std::gcd(stride, tiles) != 1) ++stride;

    std::vector<TileAt> clicks;
    int index = 0;
    for (int i = 0; i < tiles && (found > 0 || empty > 0); ++i) {
        const TileAt at{index % columns, index / columns};
        index = (index + stride) % tiles;
        int& wanted = puzzle.GetHidden(at.column, at.row) > 0 ? found : empty;
        if (wanted <= 0) continue;
        --wanted;
        clicks.push_back(at);
    }
    return clicks;
}
