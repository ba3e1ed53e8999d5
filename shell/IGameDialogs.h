#pragma once

#include <optional>

class CPuzzle;

// The modal dialogs the view opens. Tests answer them from a script.
class IGameDialogs {
public:
    virtual ~IGameDialogs() = default;
    // The tips dialog.
    virtual void RunTips() = 0;
    // The About box.
    virtual void RunAbout() = 0;
    // The best results for the engine's board and count.
    virtual void RunBestResults(CPuzzle& puzzle) = 0;
    // The glimble-count picker; the chosen count, or nothing on Cancel.
    virtual std::optional<int> RunNumberOfGlimbles(int smallest, int largest, int current) = 0;
    // Ranks a won game's result: "BEST" and the name prompt, or "WIN".
    virtual void RecordResult(CPuzzle& puzzle, int columns, int rows, int count, int score) = 0;
};
