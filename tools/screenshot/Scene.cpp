#include "tools/screenshot/Scene.h"

#include <QApplication>

#include <optional>

#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "platform/fake/RecordingSurface.h"
#include "platform/qt/QtResources.h"
#include "platform/qt/ScaledPictures.h"
#include "shell/MainFrame.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"
#include "tools/screenshot/ClickPlan.h"
#include "shell/NoDialogs.h"

namespace {

// A screenshot makes no sound.
class Silence final : public platform::ISoundOutput {
public:
    void PlayWave(std::string_view) override {}
};

}  // namespace

Rendered RenderShot(const Shot& shot) {
    platform::fake::MemorySettingsStore settings;
    game_settings::WriteSize(settings, shot.size);
    game_settings::WriteNumber(settings, shot.count);
    game_settings::WriteSkin(settings, shot.skin);
    game_settings::WriteTipsHidden(settings, true);
    game_settings::WriteSoundOff(settings, 1);

    Silence sound;
    platform::fake::FixedTickSource ticks(shot.ticks);
    platform::qt::ScaledPictures pictures([](int id) { return platform::qt::QtResources::Instance().Bitmap(id); });
    NoDialogs dialogs;
    platform::fake::RecordingShellOpen shell;

    CQuelmApp app(ViewServices{settings, sound, ticks, pictures, dialogs, shell});
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
