// The view's input: a left click plays a move, menu commands change the game
// and store the changed setting at once.
#include <QRect>

#include "engine/BoardSize.h"
#include "engine/Settings.h"
#include "platform/qt/pictures/ImageSurface.h"
#include "resources/CommandIds.h"
#include "shell/QuelmView.h"

void CQuelmView::OnLButtonDown(QPoint point) {
    if (!m_puzzle) return;
    // The tips belong before the first move; a click that beat them to the
    // screen goes where clicks on a window under a modal dialog go.
    if (ShowTipsIfPending()) return;
    {
        platform::qt::ImageSurface dc(m_window, m_services.pictures, m_scale);
        m_puzzle->Click(dc, point.x(), point.y());
        DrawStatus(dc);
        update(dc.TouchedRegion());
    }
    AnnounceChanges();
    if (m_puzzle->GetRemaining() == 0) GameOver();
}

void CQuelmView::GameOver() {
    if (m_puzzle) {
        m_services.dialogs.RecordResult(*m_puzzle, m_puzzle->GetColumns(), m_puzzle->GetRows(), m_puzzle->GetCount(),
                                        m_puzzle->GetScore());
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
    m_cursor.ClampTo(m_puzzle->GetColumns(), m_puzzle->GetRows());
    // The new size and the count the engine rescaled for it, in one save.
    game_settings::WriteSizeAndNumber(m_services.settings, n, m_puzzle->GetCount());
    FitWindowToBoard();
    // FitWindowToBoard asked for the repaint already; like every command that
    // changes the board, this one asks itself too (pending repaints merge).
    Invalidate();
}

void CQuelmView::OnSizeTiny() { SetSize(board::kSizes[board::kTiny].n); }
void CQuelmView::OnSizeSmall() { SetSize(board::kSizes[board::kSmall].n); }
void CQuelmView::OnSizeNormal() { SetSize(board::kSizes[board::kNormal].n); }
void CQuelmView::OnSizeBig() { SetSize(board::kSizes[board::kBig].n); }
void CQuelmView::OnSizeHuge() { SetSize(board::kSizes[board::kHuge].n); }

void CQuelmView::OnNumberOfGlimbles() {
    if (!m_puzzle) return;
    const int n = m_puzzle->GetColumns();
    const board::Counts range = board::CountRange(n);
    const std::optional<int> chosen = m_services.dialogs.RunNumberOfGlimbles(range.smallest, range.largest,
                                                                             m_puzzle->GetCount());
    if (!chosen) return;
    m_puzzle->NewGame(*chosen);
    game_settings::Write(m_services.settings, game_settings::kNumber, *chosen);
    // A second deal, the one the player sees: each deal reseeds from the tick
    // count, and recorded replays rely on this command drawing two seeds.
    OnNewGame();
}

void CQuelmView::OnTilesGrass() {
    if (!m_puzzle) return;
    SetGrass();
    game_settings::Write(m_services.settings, game_settings::kSkin, game_settings::Skin::Grass);
    Invalidate();
}

void CQuelmView::OnTilesSand() {
    if (!m_puzzle) return;
    SetSand();
    game_settings::Write(m_services.settings, game_settings::kSkin, game_settings::Skin::Sand);
    Invalidate();
}

void CQuelmView::OnSound() {
    if (!m_puzzle) return;
    m_soundOff = m_soundOff == 0 ? 1 : 0;
    game_settings::Write(m_services.settings, game_settings::kSoundOff, m_soundOff);
    m_puzzle->SetSoundOff(m_soundOff);
}

void CQuelmView::OnShowTips() { m_services.dialogs.RunTips(); }

void CQuelmView::OnBestResults() {
    if (m_puzzle) m_services.dialogs.RunBestResults(*m_puzzle);
}

namespace {

// The size commands and the board each stands for.
struct SizeCommand {
    int id;
    board::SizeIndex size;
    void (CQuelmView::*handler)();
};
constexpr SizeCommand kSizeCommands[] = {
    {res::ID_SIZE_TINY, board::kTiny, &CQuelmView::OnSizeTiny},
    {res::ID_SIZE_SMALL, board::kSmall, &CQuelmView::OnSizeSmall},
    {res::ID_SIZE_NORMAL, board::kNormal, &CQuelmView::OnSizeNormal},
    {res::ID_SIZE_BIG, board::kBig, &CQuelmView::OnSizeBig},
    {res::ID_SIZE_HUGE, board::kHuge, &CQuelmView::OnSizeHuge},
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
            const int n = board::kSizes[c.size].n;
            if (m_puzzle) ui.SetCheck(m_puzzle->GetColumns() == n && m_puzzle->GetRows() == n);
            return true;
        }
    }
    switch (id) {
        case res::ID_TILES_GRASS:
            if (m_puzzle) ui.SetCheck(m_puzzle->GetFoundBitmap() == res::kGrassTiles.found);
            return true;
        case res::ID_TILES_SAND:
            if (m_puzzle) ui.SetCheck(m_puzzle->GetFoundBitmap() == res::kSandTiles.found);
            return true;
        case res::ID_SOUND:
            if (m_puzzle) ui.SetCheck(m_soundOff == 0);
            return true;
        default: return false;
    }
}
