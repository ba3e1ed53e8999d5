#include "tools/replay/Replay.h"

#include <istream>
#include <ostream>

#include "tools/replay/Json.h"

namespace replay {

namespace {

// Commands other than init need a game. Before the first init there is none,
// so they report this error and change nothing.
constexpr std::string_view kNoGame = "no game; use init first";

}  // namespace

void Driver::RunLine(std::string_view line, std::uint64_t lineNumber) {
    const ParsedLine parsed = ParseLine(line);
    switch (parsed.kind) {
        case ParsedLine::Kind::Skip: return;
        case ParsedLine::Kind::Error: WriteError(lineNumber, parsed.error); return;
        case ParsedLine::Kind::Command: break;
    }
    const Command& cmd = parsed.command;
    if (cmd.op != Op::Init && !m_puzzle) {
        WriteError(lineNumber, kNoGame);
        return;
    }
    m_log.Clear();
    Execute(cmd);
    if (cmd.op == Op::Dump) {
        WriteDump();
    } else {
        WriteResult(cmd.name);
    }
}

void Driver::Execute(const Command& cmd) {
    switch (cmd.op) {
        case Op::Init:
            // A fresh engine: Grass tiles and sound on, whatever came before.
            m_puzzle.reset();
            m_puzzle.emplace(m_sound, m_ticks);
            m_ticks.value = cmd.tick;
            m_puzzle->Init(cmd.value[0], cmd.value[1], cmd.value[2]);
            break;
        case Op::NewGame:
            m_ticks.value = cmd.tick;
            m_puzzle->NewGame(cmd.value[0]);
            break;
        case Op::Size:
            m_ticks.value = cmd.tick;
            m_puzzle->SetSize(cmd.value[0], cmd.value[1]);
            break;
        case Op::Click: m_puzzle->Click(m_surface, cmd.value[0], cmd.value[1]); break;
        case Op::Board: m_puzzle->DrawBoard(m_surface); break;
        case Op::Tiles: m_puzzle->SetTileSet(cmd.sand ? res::kSandTiles : res::kGrassTiles); break;
        case Op::Sound: m_puzzle->SetSoundOff(cmd.soundOff ? 1 : 0); break;
        case Op::Dump: break;
    }
}

void Driver::WriteResult(std::string_view op) {
    m_line = "{\"op\":";
    json::AppendString(m_line, op);
    m_line += ",\"events\":";
    json::AppendEvents(m_line, m_log.events);
    m_line += ",\"score\":";
    json::AppendInt(m_line, m_puzzle->GetScore());
    m_line += ",\"remaining\":";
    json::AppendInt(m_line, m_puzzle->GetRemaining());
    m_line += "}\n";
    Flush();
}

void Driver::WriteDump() {
    const CPuzzle& p = *m_puzzle;
    const struct {
        const char* key;
        int value;
    } fields[] = {
        {"count", p.GetCount()},   {"columns", p.GetColumns()}, {"rows", p.GetRows()},
        {"cell", p.GetCellSize()}, {"score", p.GetScore()},     {"remaining", p.GetRemaining()},
    };
    m_line = R"({"op":"dump")";
    for (const auto& f : fields) {
        m_line += ",\"";
        m_line += f.key;
        m_line += "\":";
        json::AppendInt(m_line, f.value);
    }
    // The whole 25 x 25 capacity, outer index the column.
    const auto appendGrid = [&](const char* key, int (CPuzzle::*get)(int, int) const) {
        m_line += ",\"";
        m_line += key;
        m_line += "\":[";
        for (int c = 0; c < board::kCapacity; ++c) {
            m_line += c == 0 ? "[" : ",[";
            for (int r = 0; r < board::kCapacity; ++r) {
                if (r > 0) m_line += ',';
                json::AppendInt(m_line, (p.*get)(c, r));
            }
            m_line += ']';
        }
        m_line += ']';
    };
    appendGrid("tile", &CPuzzle::GetTile);
    appendGrid("hidden", &CPuzzle::GetHidden);
    m_line += "}\n";
    Flush();
}

void Driver::WriteError(std::uint64_t lineNumber, std::string_view message) {
    m_line = R"({"op":"error","line":)";
    json::AppendInt(m_line, static_cast<long long>(lineNumber));
    m_line += ",\"message\":";
    json::AppendString(m_line, message);
    m_line += "}\n";
    Flush();
}

void Driver::Flush() { m_out.write(m_line.data(), static_cast<std::streamsize>(m_line.size())); }

void Run(std::istream& in, std::ostream& out) {
    Driver driver(out);
    std::string line;
    std::uint64_t number = 0;
    while (std::getline(in, line)) driver.RunLine(line, ++number);
}

}  // namespace replay
