// The view's input: a left click plays a move, menu commands change the game
// and store the changed setting at once.
#include <QRect>

#include <cstddef>
#include <iterator>

#include "engine/BoardSize.h"
#include "engine/Settings.h"
#include "platform/qt/pictures/ImageSurface.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "resources/TileSets.h"
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
    // Said before the result is ranked: a place earned opens the name prompt.
    const int column = m_puzzle->TileFromPixel(point.x());
    const int row = m_puzzle->TileFromPixel(point.y());
    if (point.x() >= 0 && point.y() >= 0 && column < m_puzzle->GetColumns() && row < m_puzzle->GetRows())
        SayMove(column, row);
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

int CQuelmView::OptionValue(check_items::Option option) const {
    switch (option) {
        case check_items::Option::Tiles:
            for (std::size_t i = 0; i < std::size(res::kTileSets); ++i) {
                if (m_puzzle->GetFoundBitmap() == res::kTileSets[i].found) return static_cast<int>(i);
            }
            return -1;
        case check_items::Option::Sound: return m_soundOff;
    }
    return -1;
}

void CQuelmView::SetOption(check_items::Option option, int value) {
    switch (option) {
        case check_items::Option::Tiles:
            // The game in progress goes on; only its pictures change.
            m_puzzle->SetTileSet(res::kTileSets[value]);
            game_settings::Write(m_services.settings, game_settings::kSkin, static_cast<game_settings::Skin>(value));
            Invalidate();
            break;
        case check_items::Option::Sound:
            m_soundOff = value;
            game_settings::Write(m_services.settings, game_settings::kSoundOff, m_soundOff);
            m_puzzle->SetSoundOff(m_soundOff);
            break;
    }
}

void CQuelmView::OnShowTips() { m_services.dialogs.RunTips(); }

void CQuelmView::OnBestResults() {
    if (m_puzzle) m_services.dialogs.RunBestResults(*m_puzzle);
}

bool CQuelmView::OnCommand(int id) {
    if (const res::BoardSize* size = res::FindBoardSizeCommand(id)) {
        SetSize(size->n);
        return true;
    }
    if (const check_items::CheckItem* item = check_items::Find(id)) {
        if (m_puzzle) SetOption(item->option, check_items::Chosen(*item, OptionValue(item->option)));
        return true;
    }
    switch (id) {
        case res::ID_FILE_NEW: OnNewGame(); return true;
        case res::ID_SHOW_TIPS: OnShowTips(); return true;
        case res::ID_NUMBER_OF_GLIMBLES: OnNumberOfGlimbles(); return true;
        case res::ID_BEST_RESULTS: OnBestResults(); return true;
        default: return false;
    }
}

bool CQuelmView::OnUpdateCommand(int id, CCmdUI& ui) {
    if (const res::BoardSize* size = res::FindBoardSizeCommand(id)) {
        ui.Enable(true);
        if (m_puzzle) ui.SetCheck(m_puzzle->GetColumns() == size->n && m_puzzle->GetRows() == size->n);
        return true;
    }
    if (const check_items::CheckItem* item = check_items::Find(id)) {
        if (m_puzzle) ui.SetCheck(OptionValue(item->option) == item->checkedWhile);
        return true;
    }
    return false;
}
