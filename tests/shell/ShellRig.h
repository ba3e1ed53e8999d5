#pragma once

#include <QApplication>
#include <QFrame>

#include <optional>
#include <vector>

#include "engine/Puzzle.h"
#include "shell/MainFrame.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"
#include "tests/fakes/FakeServices.h"

// Dialogs answered from the test: each call is logged, the count picker
// returns what the test set.
class ScriptedDialogs final : public IGameDialogs {
public:
    struct Result {
        int columns, rows, count, score;
        friend bool operator==(const Result&, const Result&) = default;
    };

    void RunTips() override { ++tips; }
    void RunAbout() override { ++about; }
    void RunBestResults(CPuzzle&) override { ++bestResults; }
    std::optional<int> RunNumberOfGlimbles(int smallest, int largest, int current) override {
        countAsked = {smallest, largest, current};
        return countAnswer;
    }
    void RecordResult(CPuzzle&, int columns, int rows, int count, int score) override {
        results.push_back({columns, rows, count, score});
    }

    int tips = 0;
    int about = 0;
    int bestResults = 0;
    std::optional<int> countAnswer;
    std::vector<int> countAsked;
    std::vector<Result> results;
};

// The real application, window and view, over fake settings, sounds and ticks.
struct ShellRig {
    FakeServices fakes;
    platform::fake::MemorySettingsStore& settings = fakes.settings;
    platform::fake::EventLog& log = fakes.log;
    platform::fake::FixedTickSource& ticks = fakes.ticks;
    platform::fake::RecordingShellOpen& shell = fakes.shell;
    ScriptedDialogs dialogs;
    CQuelmApp app{fakes.View(dialogs)};

    // Starts the application; the store may be filled first.
    void Start() {
        ASSERT_TRUE(app.InitInstance());
        QApplication::processEvents();
    }
    CQuelmView& View() { return *app.View(); }
    CPuzzle& Puzzle() { return *app.View()->Puzzle(); }
    CMainFrame& Frame() { return *app.MainFrame(); }
    QSize FrameClientArea() { return Frame().centralWidget()->size(); }
    // Paints whatever is pending, so the retained picture is current.
    void Paint() {
        View().repaint();
        QApplication::processEvents();
    }
};
