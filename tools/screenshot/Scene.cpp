#include "tools/screenshot/Scene.h"

#include <QApplication>

#include <optional>

#include "shell/GameServices.h"
#include "shell/MainFrame.h"
#include "shell/NoDialogs.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"
#include "tools/screenshot/ClickPlan.h"

Rendered RenderShot(const Shot& shot) {
    FakeServices fakes(shot.ticks);
    platform::fake::MemorySettingsStore& settings = fakes.settings;
    game_settings::Write(settings, game_settings::kSize, shot.size);
    game_settings::Write(settings, game_settings::kNumber, shot.count);
    game_settings::Write(settings, game_settings::kSkin, shot.skin);
    game_settings::Write(settings, game_settings::kTipsHidden, true);
    game_settings::Write(settings, game_settings::kSoundOff, 1);

    NoDialogs dialogs;
    CQuelmApp app(fakes.View(dialogs));
    Rendered out{};
    if (!app.InitInstance()) return out;
    CQuelmView& view = *app.View();
    view.repaint();
    QApplication::processEvents();
    view.ShowTipsAtStart();  // the first paint's turn for the tips: switched off

    CPuzzle& puzzle = *view.Puzzle();
    const int middle = puzzle.GetCellSize() / 2;
    for (const TileAt& at : PlanClicks(puzzle, shot.found, shot.empty)) {
        view.OnLButtonDown(QPoint(puzzle.PixelFromTile(at.column) + middle, puzzle.PixelFromTile(at.row) + middle));
    }
    QApplication::processEvents();

    out.window = app.MainFrame()->grab().toImage();
    out.view = view.WindowImage();
    out.viewAt = view.mapTo(app.MainFrame(), QPoint(0, 0));
    out.score = puzzle.GetScore();
    out.remaining = puzzle.GetRemaining();
    return out;
}
