#pragma once

#include <QApplication>
#include <QFrame>

#include <optional>
#include <vector>

#include "engine/Puzzle.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "platform/fake/RecordingSurface.h"
#include "platform/qt/QtResources.h"
#include "platform/qt/ScaledPictures.h"
#include "shell/MainFrame.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"
#include "shell/ViewServices.h"

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
    platform::fake::MemorySettingsStore settings;
    platform::fake::EventLog log;
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks{1};
    platform::qt::ScaledPictures pictures{
        [](int id) { return platform::qt::QtResources::Instance().Bitmap(id); }};
    ScriptedDialogs dialogs;
    platform::fake::RecordingShellOpen shell;
    CQuelmApp app{ViewServices{settings, sound, ticks, pictures, dialogs, shell}};

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
