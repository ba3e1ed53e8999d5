// The engine alone: the costliest click, a new game and a full board drawing
// on the largest board, through outputs that only count.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "engine/Puzzle.h"
#include "platform/fake/RecordingSurface.h"
#include "tools/bench/WorstClick.h"

namespace {

using bench::kCentre;
using bench::kHuge;
constexpr int kCell = res::kLargestBoard.cellSize;

struct Rig {
    platform::fake::RecordingSurface surface;
    platform::fake::RecordingSound sound;
    platform::fake::FixedTickSource ticks;
    CPuzzle puzzle{sound, ticks};

    void ClickTile(int column, int row) { puzzle.Click(surface, column * kCell + kCell / 2, row * kCell + kCell / 2); }
};

// Every tile other than (9, 9) on its row, column and two diagonals.
std::vector<std::pair<int, int>> LineTiles() {
    std::vector<std::pair<int, int>> tiles;
    for (int c = 0; c < kHuge; ++c) {
        for (int r = 0; r < kHuge; ++r) {
            const bool onLine = c == kCentre || r == kCentre || c - r == 0 || c + r == 2 * kCentre;
            if (onLine && !(c == kCentre && r == kCentre)) tiles.emplace_back(c, r);
        }
    }
    return tiles;
}

// The worst click: collecting a glimble on (9, 9) of the 20 x 20 board while
// all 75 other tiles of its four lines are uncovered, so that every one of
// them is lowered and redrawn, from a position a real game can reach: 20
// glimbles, one on (9, 9) and 19 off its lines, the line tiles showing their
// true counts. A collected glimble cannot be put back through play, so a pool
// of such boards is used up one click each and then restored with the clock
// stopped (only the 76 tiles that changed need their codes back). The pause
// happens once per pool, so its own cost is spread thin.
void BM_WorstClick(benchmark::State& state) {
    constexpr int kPool = 64;
    const auto lines = LineTiles();
    std::vector<std::pair<int, int>> others;
    for (int c = 0; c < kHuge && others.size() < 19; ++c) {
        for (int r = 0; r < kHuge && others.size() < 19; r += 3) {
            const bool onLine = c == kCentre || r == kCentre || c == r || c + r == 2 * kCentre;
            if (!onLine && (c * 7 + r) % 5 == 0) others.emplace_back(c, r);
        }
    }
    std::vector<std::unique_ptr<Rig>> pool;
    for (int i = 0; i < kPool; ++i) {
        auto rig = std::make_unique<Rig>();
        rig->puzzle.Init(0, kHuge, kHuge);
        rig->puzzle.SetHidden(kCentre, kCentre, 1);
        for (auto [c, r] : others) rig->puzzle.SetHidden(c, r, 1);
        for (auto [c, r] : lines) rig->ClickTile(c, r);
        rig->surface.copies = 0;
        pool.push_back(std::move(rig));
    }
    // The codes to put back after a click.
    std::vector<int> codes;
    codes.reserve(lines.size());
    for (auto [c, r] : lines) codes.push_back(pool[0]->puzzle.GetTile(c, r));
    const int covered = pool[0]->puzzle.GetTile(kCentre, kCentre);

    int next = 0;
    for ([[maybe_unused]] auto _ : state) {
        if (next == kPool) {
            state.PauseTiming();
            for (auto& rig : pool) {
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    rig->puzzle.SetTile(lines[i].first, lines[i].second, codes[i]);
                }
                rig->puzzle.SetTile(kCentre, kCentre, covered);
                rig->puzzle.SetHidden(kCentre, kCentre, 1);
            }
            next = 0;
            state.ResumeTiming();
        }
        pool[next++]->ClickTile(kCentre, kCentre);
    }
    // Proof that every timed click did the whole work: 76 copies and a sound.
    std::int64_t copies = 0, sounds = 0;
    for (auto& rig : pool) {
        copies += rig->surface.copies;
        sounds += rig->sound.sounds;
    }
    const double sets = kPool;  // the setup clicks played one sound per line tile
    state.counters["copies/click"] = benchmark::Counter(static_cast<double>(copies),
                                                        benchmark::Counter::kAvgIterations);
    state.counters["sounds/click"] = benchmark::Counter(
        static_cast<double>(sounds) - sets * static_cast<double>(lines.size()), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WorstClick);

// A new game on 20 x 20 with 20 glimbles: 400 looks and 20 placements.
void BM_NewGameHuge(benchmark::State& state) {
    Rig rig;
    rig.puzzle.Init(kHuge, kHuge, kHuge);
    for ([[maybe_unused]] auto _ : state) {
        ++rig.ticks.value;  // a different board each time, as in play
        rig.puzzle.NewGame(kHuge);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(rig.puzzle.GetRemaining());
}
BENCHMARK(BM_NewGameHuge);

// Drawing the whole 20 x 20 board: 400 tile copies.
void BM_DrawBoardHuge(benchmark::State& state) {
    Rig rig;
    rig.puzzle.Init(kHuge, kHuge, kHuge);
    for ([[maybe_unused]] auto _ : state) rig.puzzle.DrawBoard(rig.surface);
    benchmark::DoNotOptimize(rig.surface.copies);
}
BENCHMARK(BM_DrawBoardHuge);

}  // namespace
