#pragma once

#include <QImage>

#include <cstdint>

#include "engine/Settings.h"
#include "shell/NoDialogs.h"
#include "shell/QuelmApp.h"
#include "tests/fakes/FakeServices.h"
#include "tools/screenshot/ClickPlan.h"

class CPuzzle;
class CQuelmView;

// The game's real main window over settings kept in memory (the player's own
// are never read), silent and with its tips switched off, on a board seeded
// by `ticks`. Needs a QApplication.
class GameAtPlay {
public:
    GameAtPlay(int size, int count, game_settings::Skin skin, std::uint32_t ticks);
    GameAtPlay(const GameAtPlay&) = delete;
    GameAtPlay& operator=(const GameAtPlay&) = delete;

    bool Started() const { return m_started; }
    CPuzzle& Puzzle();
    CQuelmView& View();
    CMainFrame& Frame();

    // A left click on the middle of the tile, through the view.
    void Click(TileAt at);
    // The view's own picture, current after the clicks: board and status strip.
    QImage Picture();

private:
    FakeServices m_fakes;
    NoDialogs m_dialogs;
    CQuelmApp m_app;
    bool m_started = false;
};
