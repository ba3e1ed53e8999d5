#pragma once

#include "shell/IGameDialogs.h"

// Dialogs that never open, for tools that drive the game unattended (the
// screenshot tool, benchmarks): every dialog is answered as if closed at once.
class NoDialogs final : public IGameDialogs {
public:
    void RunTips() override {}
    void RunAbout() override {}
    void RunBestResults(CPuzzle&) override {}
    std::optional<int> RunNumberOfGlimbles(int, int, int) override { return std::nullopt; }
    void RecordResult(CPuzzle&, int, int, int, int) override {}
};
