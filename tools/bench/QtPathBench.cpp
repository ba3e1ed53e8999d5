// The real drawing path: the worst click on the 20 x 20 board until its
// pixels are in the view's retained picture, and a full paint of that board,
// with the embedded pictures, in both tile sets, at scales 1 and 2 (the
// window on the first or the second screen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QWindow>

#include <memory>

#include "platform/qt/pictures/ImageSurface.h"
#include "resources/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/NoDialogs.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"
#include "tests/fakes/FakeServices.h"
#include "tools/bench/WorstClick.h"

namespace {

using bench::kCentre;
using bench::kHuge;

// The game's window on the offscreen platform, on a Huge board.
struct Game {
    explicit Game(int screen) {
        settings.values = {{"Size", "20"}, {"Number", "20"}, {"ShowTips", "1"}};
        app.InitInstance();
        const QList<QScreen*> screens = QGuiApplication::screens();
        app.MainFrame()->show();
        if (screen < screens.size()) app.MainFrame()->windowHandle()->setScreen(screens[screen]);
        QApplication::processEvents();
        view().OnLButtonDown({0, 470});  // past the start-up tips, on the status strip
        QApplication::processEvents();
    }
    CQuelmView& view() { return *app.View(); }
    CPuzzle& puzzle() { return *app.View()->Puzzle(); }

    FakeServices fakes;
    platform::fake::MemorySettingsStore& settings = fakes.settings;
    NoDialogs dialogs;
    CQuelmApp app{fakes.View(dialogs)};
};

// The worst position: one glimble on (9, 9), one more far from its lines so
// the game goes on, and every other tile of its four lines uncovered showing
// its true count.
void SetUpWorstClick(CPuzzle& puzzle) {
    puzzle.Init(0, kHuge, kHuge);
    puzzle.SetHidden(kCentre, kCentre, 1);
    puzzle.SetHidden(0, 1, 1);
    for (int c = 0; c < kHuge; ++c) {
        for (int r = 0; r < kHuge; ++r) {
            const bool onLine = c == kCentre || r == kCentre || c == r || c + r == 2 * kCentre;
            if (onLine && !(c == kCentre && r == kCentre)) puzzle.SetTile(c, r, tile::Empty(puzzle.CountLines(c, r)));
        }
    }
}

// The screen of scale `scale`, or an error on `state`.
bool OnScale(benchmark::State& state, Game& game, qreal scale) {
    if (game.app.View()->WindowScale() == scale) return true;
    state.SkipWithError("no screen of this scale");
    return false;
}

void BM_QtWorstClick(benchmark::State& state, int command, int screen) {
    Game game(screen);
    game.app.MainFrame()->OnCommand(command);
    game.view().repaint();  // the retained picture, in this tile set
    const qreal scale = screen + 1;
    if (!OnScale(state, game, scale)) return;
    if (game.view().WindowImage().size() != QSize(460, 520) * scale) {
        state.SkipWithError("the view has no picture to draw into");
        return;
    }
    const int cell = game.puzzle().GetCellSize();
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        SetUpWorstClick(game.puzzle());
        game.fakes.log.Clear();  // the sounds played so far
        state.ResumeTiming();
        game.view().OnLButtonDown({kCentre * cell + cell / 2, kCentre * cell + cell / 2});
    }
    if (game.puzzle().GetRemaining() != 1) state.SkipWithError("the click did not collect");
    benchmark::DoNotOptimize(game.view().WindowImage().constBits());
}

void BM_QtFullDraw(benchmark::State& state, int command, int screen) {
    Game game(screen);
    game.app.MainFrame()->OnCommand(command);
    game.view().repaint();
    const qreal scale = screen + 1;
    if (!OnScale(state, game, scale)) return;
    const QSize size = game.view().WindowImage().size();
    for ([[maybe_unused]] auto _ : state) {
        QImage picture(size, QImage::Format_RGB32);
        {
            platform::qt::ImageSurface surface(picture, game.fakes.pictures, scale);
            game.view().OnDraw(surface);
        }
        benchmark::DoNotOptimize(picture.constBits());
    }
}

BENCHMARK_CAPTURE(BM_QtWorstClick, Grass, res::ID_TILES_GRASS, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QtWorstClick, Sand, res::ID_TILES_SAND, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QtWorstClick, Grass_scale2, res::ID_TILES_GRASS, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QtWorstClick, Sand_scale2, res::ID_TILES_SAND, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QtFullDraw, Grass, res::ID_TILES_GRASS, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QtFullDraw, Sand, res::ID_TILES_SAND, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QtFullDraw, Grass_scale2, res::ID_TILES_GRASS, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QtFullDraw, Sand_scale2, res::ID_TILES_SAND, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
