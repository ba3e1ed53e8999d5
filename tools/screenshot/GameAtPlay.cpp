#include "tools/screenshot/GameAtPlay.h"

#include <QApplication>

#include "shell/MainFrame.h"
#include "shell/QuelmView.h"

GameAtPlay::GameAtPlay(int size, int count, game_settings::Skin skin, std::uint32_t ticks)
    : m_fakes(ticks), m_app(m_fakes.View(m_dialogs)) {
    platform::fake::MemorySettingsStore& settings = m_fakes.settings;
    game_settings::Write(settings, game_settings::kSize, size);
    game_settings::Write(settings, game_settings::kNumber, count);
    game_settings::Write(settings, game_settings::kSkin, skin);
    game_settings::Write(settings, game_settings::kTipsHidden, true);
    game_settings::Write(settings, game_settings::kSoundOff, 1);
    m_started = m_app.InitInstance();
    if (!m_started) return;
    View().repaint();
    QApplication::processEvents();
    View().ShowTipsAtStart();  // the first paint's turn for the tips: switched off
}

CPuzzle& GameAtPlay::Puzzle() { return *View().Puzzle(); }
CQuelmView& GameAtPlay::View() { return *m_app.View(); }
CMainFrame& GameAtPlay::Frame() { return *m_app.MainFrame(); }

void GameAtPlay::Click(TileAt at) {
    const int middle = Puzzle().GetCellSize() / 2;
    View().OnLButtonDown(QPoint(Puzzle().PixelFromTile(at.column) + middle, Puzzle().PixelFromTile(at.row) + middle));
}

QImage GameAtPlay::Picture() {
    QApplication::processEvents();
    return View().WindowImage();
}
