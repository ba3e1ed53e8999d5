// The view's input: a left click plays a move, menu commands change the game
// and store the changed setting at once.
#include <QRect>

#include "engine/BoardSize.h"
#include "platform/qt/ImageSurface.h"
#include "resources/CommandIds.h"
#include "shell/Settings.h"
#include "shell/QuelmView.h"

void CQuelmView::OnLButtonDown(QPoint point) {
    if (!m_puzzle) return;
    // The tips belong before the first move; a click that beat them to the
    // screen goes where clicks on a window under a modal dialog go.
    if (ShowTipsIfPending()) return;
    {
        platform::qt::ImageSurface dc(m_window, m_services.pictures);
        m_puzzle->Click(dc, point.x(), point.y());
        DrawStatus(dc);
        update(dc.TouchedRegion());
    }
    if (m_puzzle->GetRemaining() == 0) GameOver();
}

void CQuelmView::GameOver() {
    if (m_puzzle) {
        m_services.dialogs.RecordResult(*m_puzzle, m_puzzle->GetColumns(), m_puzzle->GetRows(),
                                        m_puzzle->GetCount(), m_puzzle->GetScore());
    }
    OnNewGame();
}

void CQuelmView::OnNewGame() {
    if (!m_puzzle) return;
    m_puzzle->NewGame(m_puzzle->GetCount());
    Invalidate();
}

void CQuelmView::SetSize(int n) {
    if (!m_puzzle) return;
    m_puzzle->SetSize(n, n);
    // The new size and the count the engine rescaled for it, in one save.
    game_settings::WriteSizeAndNumber(m_services.settings, n, m_puzzle->GetCount());
    FitWindowToBoard();
    Invalidate();
}

void CQuelmView::OnSizeTiny() { SetSize(8); }
void CQuelmView::OnSizeSmall() { SetSize(11); }
void CQuelmView::OnSizeNormal() { SetSize(14); }
void CQuelmView::OnSizeBig() { SetSize(17); }
void CQuelmView::OnSizeHuge() { SetSize(20); }

void CQuelmView::OnNumberOfGlimbles() {
    if (!m_puzzle) return;
    const int n = m_puzzle->GetColumns();
    const board::SizeInfo* size = board::FindSize(n);
    const int smallest = size != nullptr ? size->minCount : n / 2;
    const std::optional<int> chosen =
        m_services.dialogs.RunNumberOfGlimbles(smallest, n, m_puzzle->GetCount());
    if (!chosen) return;
    m_puzzle->NewGame(*chosen);
    game_settings::WriteNumber(m_services.settings, *chosen);
    OnNewGame();
}

void CQuelmView::OnTilesGrass() {
    if (!m_puzzle) return;
    SetGrass();
    game_settings::WriteSkin(m_services.settings, game_settings::Skin::Grass);
    Invalidate();
}

void CQuelmView::OnTilesSand() {
    if (!m_puzzle) return;
    SetSand();
    game_settings::WriteSkin(m_services.settings, game_settings::Skin::Sand);
    Invalidate();
}

void CQuelmView::OnSound() {
    if (!m_puzzle) return;
    m_soundOff = m_soundOff == 0 ? 1 : 0;
    game_settings::WriteSoundOff(m_services.settings, m_soundOff);
    m_puzzle->SetSoundOff(m_soundOff);
}

void CQuelmView::OnShowTips() { m_services.dialogs.RunTips(); }

void CQuelmView::OnBestResults() {
    if (m_puzzle) m_services.dialogs.RunBestResults(*m_puzzle);
}

namespace {

// The size commands and the board edge each stands for.
struct SizeCommand {
    int id;
    int n;
    void (CQuelmView::*handler)();
};
constexpr SizeCommand kSizeCommands[] = {
    {res::ID_SIZE_TINY, 8, &CQuelmView::OnSizeTiny},       {res::ID_SIZE_SMALL, 11, &CQuelmView::OnSizeSmall},
    {res::ID_SIZE_NORMAL, 14, &CQuelmView::OnSizeNormal},  {res::ID_SIZE_BIG, 17, &CQuelmView::OnSizeBig},
    {res::ID_SIZE_HUGE, 20, &CQuelmView::OnSizeHuge},
};

}  // namespace

bool CQuelmView::OnCommand(int id) {
    for (const SizeCommand& c : kSizeCommands) {
        if (c.id == id) {
            (this->*c.handler)();
            return true;
        }
    }
    switch (id) {
        case res::ID_FILE_NEW: OnNewGame(); return true;
        case res::ID_SHOW_TIPS: OnShowTips(); return true;
        case res::ID_NUMBER_OF_GLIMBLES: OnNumberOfGlimbles(); return true;
        case res::ID_TILES_GRASS: OnTilesGrass(); return true;
        case res::ID_TILES_SAND: OnTilesSand(); return true;
        case res::ID_SOUND: OnSound(); return true;
        case res::ID_BEST_RESULTS: OnBestResults(); return true;
        default: return false;
    }
}

bool CQuelmView::OnUpdateCommand(int id, CCmdUI& ui) {
    for (const SizeCommand& c : kSizeCommands) {
        if (c.id == id) {
            ui.Enable(true);
            if (m_puzzle) ui.SetCheck(m_puzzle->GetColumns() == c.n && m_puzzle->GetRows() == c.n);
            return true;
        }
    }
    switch (id) {
        case res::ID_TILES_GRASS:
            if (m_puzzle) ui.SetCheck(m_puzzle->GetFoundBitmap() == tileset::kGrassFound);
            return true;
        case res::ID_TILES_SAND:
            if (m_puzzle) ui.SetCheck(m_puzzle->GetFoundBitmap() == tileset::kSandFound);
            return true;
        case res::ID_SOUND:
            if (m_puzzle) ui.SetCheck(m_soundOff == 0);
            return true;
        default: return false;
    }
}
