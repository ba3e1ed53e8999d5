// Parsing single script lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/TestNames.h"
#include "tools/replay/Command.h"

namespace {

using replay::Op;
using replay::ParsedLine;
using replay::ParseLine;

struct GoodLine {
    const char* text;
    Op op;
    std::int32_t a, b, c;
    std::uint32_t tick;
};

class ParsesCommands : public ::testing::TestWithParam<GoodLine> {};

TEST_P(ParsesCommands, IntoTheirArguments) {
    const GoodLine& g = GetParam();
    const ParsedLine p = ParseLine(g.text);
    ASSERT_EQ(p.kind, ParsedLine::Kind::Command) << p.error;
    EXPECT_EQ(p.command.op, g.op);
    EXPECT_EQ(p.command.value[0], g.a);
    EXPECT_EQ(p.command.value[1], g.b);
    EXPECT_EQ(p.command.value[2], g.c);
    EXPECT_EQ(p.command.tick, g.tick);
}

INSTANTIATE_TEST_SUITE_P(Lines, ParsesCommands,
                         ::testing::Values(GoodLine{"init 8 11 14 0", Op::Init, 8, 11, 14, 0},
                                           GoodLine{"init -2147483648 2147483647 -0 4294967295", Op::Init, INT32_MIN,
                                                    INT32_MAX, 0, 4294967295u},
                                           GoodLine{"  newgame\t5  17 \r", Op::NewGame, 5, 0, 0, 17},
                                           GoodLine{"size 20 20 007", Op::Size, 20, 20, 0, 7},
                                           GoodLine{"click -1 99999", Op::Click, -1, 99999, 0, 0},
                                           GoodLine{"board", Op::Board, 0, 0, 0, 0},
                                           GoodLine{"dump", Op::Dump, 0, 0, 0, 0}),
                         [](const auto& info) { return testnames::TestName(info.param.text); });

TEST(ParseLine, WordsOfTilesAndSound) {
    EXPECT_TRUE(ParseLine("tiles sand").command.sand);
    EXPECT_FALSE(ParseLine("tiles grass").command.sand);
    EXPECT_TRUE(ParseLine("sound off").command.soundOff);
    EXPECT_FALSE(ParseLine("sound on").command.soundOff);
    EXPECT_EQ(ParseLine("sound on").command.name, "sound");
}

TEST(ParseLine, SkipsBlankAndCommentLines) {
    for (const char* line : {"", " ", "\t\r", "#", "# init 1 1 1 1", "   #x"}) {
        EXPECT_EQ(ParseLine(line).kind, ParsedLine::Kind::Skip) << '"' << line << '"';
    }
}

struct BadLine {
    const char* text;
    const char* message;
};

class RejectsLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(RejectsLines, WithAReason) {
    const ParsedLine p = ParseLine(GetParam().text);
    EXPECT_EQ(p.kind, ParsedLine::Kind::Error);
    EXPECT_EQ(p.error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RejectsLines,
    ::testing::Values(BadLine{"INIT 1 1 1 1", "unknown command \"INIT\""},
                      BadLine{"init 1 1 1", "init takes 4 arguments: init COUNT COLUMNS ROWS TICK"},
                      BadLine{"init 1 1 1 1 1", "init takes 4 arguments: init COUNT COLUMNS ROWS TICK"},
                      BadLine{"dump all", "dump takes no arguments: dump"},
                      BadLine{"tiles", "tiles takes 1 argument: tiles grass|sand"},
                      BadLine{"click 1 2 3 4 5 6 7 8", "click takes 2 arguments: click X Y"},
                      BadLine{"init 2147483648 1 1 1", "COUNT is not a 32-bit signed integer: \"2147483648\""},
                      BadLine{"init 1 -2147483649 1 1", "COLUMNS is not a 32-bit signed integer: \"-2147483649\""},
                      BadLine{"size 8 8x 1", "ROWS is not a 32-bit signed integer: \"8x\""},
                      BadLine{"click +1 1", "X is not a 32-bit signed integer: \"+1\""},
                      BadLine{"click 1 0x10", "Y is not a 32-bit signed integer: \"0x10\""},
                      BadLine{"click 1.5 1", "X is not a 32-bit signed integer: \"1.5\""},
                      BadLine{"click - 1", "X is not a 32-bit signed integer: \"-\""},
                      BadLine{"newgame 5 4294967296", "TICK is not a tick count from 0 to 4294967295: \"4294967296\""},
                      BadLine{"newgame 5 -0", "TICK is not a tick count from 0 to 4294967295: \"-0\""},
                      BadLine{"newgame 5 1e3", "TICK is not a tick count from 0 to 4294967295: \"1e3\""},
                      BadLine{"tiles Sand", "expected grass or sand: \"Sand\""},
                      BadLine{"sound 1", "expected on or off: \"1\""}),
    [](const auto& info) { return testnames::TestName(info.param.text); });

}  // namespace
