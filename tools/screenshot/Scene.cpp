#include "tools/screenshot/Scene.h"

#include <QApplication>

#include "shell/MainFrame.h"
#include "shell/QuelmView.h"
#include "tools/screenshot/ClickPlan.h"
#include "tools/screenshot/GameAtPlay.h"

Rendered RenderShot(const Shot& shot) {
    GameAtPlay game(shot.size, shot.count, shot.skin, shot.ticks);
    Rendered out{};
    if (!game.Started()) return out;
    for (const TileAt& at : PlanClicks(game.Puzzle(), shot.found, shot.empty)) game.Click(at);

    out.view = game.Picture();
    out.window = game.Frame().grab().toImage();
    out.viewAt = game.View().mapTo(&game.Frame(), QPoint(0, 0));
    out.score = game.Puzzle().GetScore();
    out.remaining = game.Puzzle().GetRemaining();
    return out;
}
