#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Puzzle.h"
#include "platform/fake/RecordingSurface.h"
#include "tools/replay/Command.h"

// Drives the engine from a script of text commands and reports what each
// command did as one line of JSON (see main.cpp for the language).
namespace replay {

class Driver {
public:
    explicit Driver(std::ostream& out) : m_out(out) {}

    // Runs one line of the script (without its newline). `lineNumber` counts
    // from 1 and names the line in error reports.
    void RunLine(std::string_view line, std::uint64_t lineNumber);

private:
    void Execute(const Command& cmd);
    void WriteResult(std::string_view op);
    void WriteDump();
    void WriteError(std::uint64_t lineNumber, std::string_view message);
    void Flush();

    platform::fake::EventLog m_log;  // what reached the outputs during one command
    platform::fake::RecordingSurface m_surface{m_log};
    platform::fake::RecordingSound m_sound{m_log};
    platform::fake::FixedTickSource m_ticks;  // set from each command's TICK
    std::optional<CPuzzle> m_puzzle;          // none until the first init
    std::string m_line;                       // the output line being built
    std::ostream& m_out;
};

// Runs every line of `in` through one driver, writing to `out`.
void Run(std::istream& in, std::ostream& out);

}  // namespace replay
