#include "tools/replay/Command.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>
#include <utility>

namespace replay {

namespace {

constexpr std::string_view kBlanks = " \t\r";

// The kinds of argument a command takes.
enum class Arg { Int, Tick, TileSet, OnOff };

struct Param {
    Arg kind;
    std::string_view name;  // as the usage shows it
};

struct Syntax {
    std::string_view name;
    Op op;
    int argc;
    std::array<Param, 4> params;
    std::string_view usage;
};

// The script language: one row per command.
constexpr Syntax kSyntax[] = {
    {"init",
     Op::Init,
     4,
     {{{Arg::Int, "COUNT"}, {Arg::Int, "COLUMNS"}, {Arg::Int, "ROWS"}, {Arg::Tick, "TICK"}}},
     "init COUNT COLUMNS ROWS TICK"},
    {"newgame", Op::NewGame, 2, {{{Arg::Int, "COUNT"}, {Arg::Tick, "TICK"}}}, "newgame COUNT TICK"},
    {"size", Op::Size, 3, {{{Arg::Int, "COLUMNS"}, {Arg::Int, "ROWS"}, {Arg::Tick, "TICK"}}}, "size COLUMNS ROWS TICK"},
    {"click", Op::Click, 2, {{{Arg::Int, "X"}, {Arg::Int, "Y"}}}, "click X Y"},
    {"board", Op::Board, 0, {}, "board"},
    {"tiles", Op::Tiles, 1, {{{Arg::TileSet, "grass|sand"}}}, "tiles grass|sand"},
    {"sound", Op::Sound, 1, {{{Arg::OnOff, "on|off"}}}, "sound on|off"},
    {"dump", Op::Dump, 0, {}, "dump"},
};

constexpr int kMaxWords = 6;  // one more than the longest command, to catch extra words

// Splits `line` into at most kMaxWords words; returns how many it found,
// counting every word even past the limit.
int SplitWords(std::string_view line, std::array<std::string_view, kMaxWords>& words) {
    int count = 0;
    std::size_t pos = line.find_first_not_of(kBlanks);
    while (pos != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(kBlanks, pos), line.size());
        if (count < kMaxWords) words[count] = line.substr(pos, end - pos);
        ++count;
        pos = line.find_first_not_of(kBlanks, end);
    }
    return count;
}

// Reads the whole of `word` as a decimal number of type T: no sign for
// unsigned types, no '+', no blanks, nothing after the digits.
template <typename T>
bool ReadNumber(std::string_view word, T& out) {
    const char* first = word.data();
    const char* last = first + word.size();
    const auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && end == last;
}

// Built by appending: GCC 12 warns falsely about chains of string '+'.
std::string Quoted(std::string_view word) {
    std::string quoted;
    quoted.reserve(word.size() + 2);
    quoted += '"';
    quoted += word;
    quoted += '"';
    return quoted;
}

std::string Join(std::string_view a, std::string_view b) {
    std::string joined;
    joined.reserve(a.size() + b.size());
    joined += a;
    joined += b;
    return joined;
}

ParsedLine Error(std::string message) {
    ParsedLine p;
    p.kind = ParsedLine::Kind::Error;
    p.error = std::move(message);
    return p;
}

// Fills the argument `index` of `cmd` from `word`; returns an error message,
// or an empty string when the word fits.
std::string ReadArg(const Param& param, std::string_view word, int& intIndex, Command& cmd) {
    switch (param.kind) {
        case Arg::Int:
            if (!ReadNumber(word, cmd.value[intIndex])) {
                return Join(param.name, Join(" is not a 32-bit signed integer: ", Quoted(word)));
            }
            ++intIndex;
            return {};
        case Arg::Tick:
            if (!ReadNumber(word, cmd.tick)) {
                return Join(param.name, Join(" is not a tick count from 0 to 4294967295: ", Quoted(word)));
            }
            return {};
        case Arg::TileSet:
            if (word != "grass" && word != "sand") return Join("expected grass or sand: ", Quoted(word));
            cmd.sand = word == "sand";
            return {};
        case Arg::OnOff:
            if (word != "on" && word != "off") return Join("expected on or off: ", Quoted(word));
            cmd.soundOff = word == "off";
            return {};
    }
    return {};
}

}  // namespace

ParsedLine ParseLine(std::string_view line) {
    std::array<std::string_view, kMaxWords> words;
    const int count = SplitWords(line, words);
    if (count == 0 || words[0].front() == '#') return {};

    const Syntax* syntax = nullptr;
    for (const Syntax& s : kSyntax) {
        if (s.name == words[0]) syntax = &s;
    }
    if (syntax == nullptr) return Error(Join("unknown command ", Quoted(words[0])));
    if (count - 1 != syntax->argc) {
        const std::string n = syntax->argc == 0   ? "no arguments"
                              : syntax->argc == 1 ? "1 argument"
                                                  : Join(std::to_string(syntax->argc), " arguments");
        return Error(Join(syntax->name, Join(" takes ", Join(n, Join(": ", syntax->usage)))));
    }

    ParsedLine parsed;
    parsed.kind = ParsedLine::Kind::Command;
    Command& cmd = parsed.command;
    cmd.op = syntax->op;
    cmd.name = syntax->name;
    int intIndex = 0;
    for (int i = 0; i < syntax->argc; ++i) {
        std::string problem = ReadArg(syntax->params[i], words[i + 1], intIndex, cmd);
        if (!problem.empty()) return Error(std::move(problem));
    }
    return parsed;
}

}  // namespace replay
