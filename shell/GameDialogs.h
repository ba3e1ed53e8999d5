#pragma once

#include "platform/SettingsStore.h"
#include "platform/ShellOpen.h"
#include "platform/qt/pictures/PictureSource.h"
#include "shell/IGameDialogs.h"

class QWidget;

// The real dialogs behind IGameDialogs, opened modally and centred over the
// active main window.
class GameDialogs final : public IGameDialogs {
public:
    // All must outlive this. The About box opens the maker's page through
    // `shell`; the dialogs draw from `pictures`.
    GameDialogs(platform::ISettingsStore& settings, platform::IShellOpen& shell, platform::qt::IPictureSource& pictures)
        : m_settings(settings), m_shell(shell), m_pictures(pictures) {}

    GameDialogs(const GameDialogs&) = delete;
    GameDialogs& operator=(const GameDialogs&) = delete;

    void RunTips() override;
    void RunAbout() override;
    void RunBestResults(CPuzzle& puzzle) override;
    std::optional<int> RunNumberOfGlimbles(int smallest, int largest, int current) override;
    // Sounds go through the engine's PlayWave, so the sound switch holds.
    void RecordResult(CPuzzle& puzzle, int columns, int rows, int count, int score) override;

    // The window the dialogs open over: the active window, else the first
    // visible main window, else none.
    static QWidget* Owner();

private:
    platform::ISettingsStore& m_settings;
    platform::IShellOpen& m_shell;
    platform::qt::IPictureSource& m_pictures;
};
