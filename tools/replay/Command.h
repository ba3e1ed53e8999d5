#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One line of a replay script, parsed.
namespace replay {

enum class Op { Init, NewGame, Size, Click, Board, Tiles, Sound, Dump };

// The arguments of a command, in the order the line gives them; unused ones
// stay 0.
struct Command {
    Op op = Op::Dump;
    std::string_view name;              // the command's word as written, e.g. "click"
    std::int32_t value[3] = {0, 0, 0};  // COUNT, COLUMNS, ROWS, X, Y in line order
    std::uint32_t tick = 0;             // the tick count a new board is seeded with
    bool sand = false;                  // tiles: Sand rather than Grass
    bool soundOff = false;              // sound: off rather than on
};

// What a line turned out to be.
struct ParsedLine {
    enum class Kind { Skip, Command, Error };
    Kind kind = Kind::Skip;
    Command command;
    std::string error;  // for Kind::Error: what is wrong, in plain words
};

// Parses one line without its newline. Blank lines and lines whose first
// non-blank character is '#' are skipped. Words are separated by spaces,
// tabs or carriage returns.
ParsedLine ParseLine(std::string_view line);

}  // namespace replay
