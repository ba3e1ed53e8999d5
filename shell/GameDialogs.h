#pragma once

#include "platform/SettingsStore.h"
#include "platform/ShellOpen.h"
#include "shell/ViewServices.h"

class QWidget;

// The real dialogs behind IGameDialogs, opened modally and centred over the
// active main window.
class GameDialogs final : public IGameDialogs {
public:
    // Both must outlive this. The About box opens the maker's page through `shell`.
    GameDialogs(platform::ISettingsStore& settings, platform::IShellOpen& shell)
        : m_settings(settings), m_shell(shell) {}

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
};
