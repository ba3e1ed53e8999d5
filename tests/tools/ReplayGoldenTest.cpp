// Whole scripts through the replay driver, checked line by line against
// output worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ReplayTestUtil.h"
#include "engine/Random.h"

namespace {

using Lines = std::vector<std::string>;
using replaytest::Replay;

// A 25 x 25 grid in the dump's form, [column][row], from a function.
template <typename F>
std::string Grid(F value) {
    std::string s = "[";
    for (int c = 0; c < 25; ++c) {
        s += c ? ",[" : "[";
        for (int r = 0; r < 25; ++r) {
            if (r) s += ',';
            s += std::to_string(value(c, r));
        }
        s += ']';
    }
    return s + "]";
}

// Tick 445855 deals, on 8 x 8 with 4 glimbles, one at (1, 1), one at (1, 4)
// and two at (4, 4): the worked game of MoveRuleTest with columns and rows swapped.
// A tile that lay on a column there lies on a row here, so a few redraws
// come in another order than in that game.
TEST(ReplayGolden, WorkedGame) {
    const std::string script =
        "# the worked game, mirrored on the main diagonal\n"
        "init 4 8 8 445855\n"
        "click 160 60\n"  // (4, 1): nothing; lines hold 2 + 1 + 1
        "\n"
        "click 160 160\n"  // (4, 4): collects one of two
        "click 179 179\n"  // the other
        "click 170 170\n"  // nothing left: ignored
        "click 40 160\n"   // (1, 4): its row, then its anti-diagonal
        "click 79 79\n";   // (1, 1): row, column, diagonal; won
    const Lines expected = {
        R"({"op":"init","events":[],"score":64,"remaining":4})",
        R"({"op":"click","events":[["sound","SELECT"],[130,160,0,40,40,160,40,40,40]],"score":63,"remaining":4})",
        R"({"op":"click","events":[[130,120,0,40,40,160,40,40,40],["sound","MOVE"],[132,120,0,40,40,160,160,40,40]],"score":62,"remaining":3})",
        R"({"op":"click","events":[[130,80,0,40,40,160,40,40,40],["sound","MOVE"],[132,80,0,40,40,160,160,40,40]],"score":61,"remaining":2})",
        R"({"op":"click","events":[],"score":61,"remaining":2})",
        R"({"op":"click","events":[[132,40,0,40,40,160,160,40,40],[130,40,0,40,40,160,40,40,40],["sound","MOVE"],[132,40,0,40,40,40,160,40,40]],"score":60,"remaining":1})",
        R"({"op":"click","events":[[130,0,0,40,40,160,40,40,40],[132,0,0,40,40,40,160,40,40],[132,0,0,40,40,160,160,40,40],["sound","MOVE"],[132,0,0,40,40,40,40,40,40]],"score":59,"remaining":0})",
    };
    EXPECT_EQ(Replay(script), expected);
}

TEST(ReplayGolden, SeededTinyBoardDump) {
    // Looks: one draw per tile, column by column, from seed 1.
    CRandom random;
    random.Seed(1);
    int looks[8][8];
    for (auto& column : looks) {
        for (int& look : column) look = random.Draw() % 6;
    }
    ASSERT_EQ(looks[0][0], 5);
    ASSERT_EQ(looks[0][7], 0);
    const std::string tiles = Grid([&](int c, int r) { return c < 8 && r < 8 ? looks[c][r] : -1; });
    const std::string hidden = Grid([](int c, int r) {
        if (c == 6 && r == 5) return 2;
        for (auto [gc, gr] : {std::pair{0, 2}, {0, 6}, {0, 0}, {2, 1}, {2, 6}, {1, 4}}) {
            if (c == gc && r == gr) return 1;
        }
        return 0;
    });
    const Lines expected = {
        R"({"op":"init","events":[],"score":64,"remaining":8})",
        R"({"op":"dump","count":8,"columns":8,"rows":8,"cell":40,"score":64,"remaining":8,"tile":)" + tiles +
            R"(,"hidden":)" + hidden + "}",
    };
    EXPECT_EQ(Replay("init 8 8 8 1\ndump\n"), expected);
}

TEST(ReplayGolden, TileSetsAndSound) {
    const std::string script =
        "init 0 8 8 1\n"
        "tiles sand\n"
        "click 0 0\n"  // (0, 0): empty, 0
        "sound off\n"
        "click 40 0\n"  // silent
        "sound on\n"
        "tiles grass\n"
        "click 80 0\n"
        "init 0 8 8 1\n"  // a fresh engine: Grass and sound again
        "click 0 0\n";
    const Lines expected = {
        R"({"op":"init","events":[],"score":64,"remaining":0})",
        R"({"op":"tiles","events":[],"score":64,"remaining":0})",
        R"({"op":"click","events":[["sound","SELECT"],[147,0,0,40,40,0,0,40,40]],"score":63,"remaining":0})",
        R"({"op":"sound","events":[],"score":63,"remaining":0})",
        R"({"op":"click","events":[[147,0,0,40,40,40,0,40,40]],"score":62,"remaining":0})",
        R"({"op":"sound","events":[],"score":62,"remaining":0})",
        R"({"op":"tiles","events":[],"score":62,"remaining":0})",
        R"({"op":"click","events":[["sound","SELECT"],[130,0,0,40,40,80,0,40,40]],"score":61,"remaining":0})",
        R"({"op":"init","events":[],"score":64,"remaining":0})",
        R"({"op":"click","events":[["sound","SELECT"],[130,0,0,40,40,0,0,40,40]],"score":63,"remaining":0})",
    };
    EXPECT_EQ(Replay(script), expected);
}

TEST(ReplayGolden, BoardDrawsEveryTileColumnByColumn) {
    // Tick 0 on 1 x 2: draws 38 and 7719 are the looks, 21238 % 1 the
    // column, 2437 % 2 = 1 the row: the glimble lies on (0, 1).
    const Lines expected = {
        R"({"op":"init","events":[],"score":2,"remaining":1})",
        R"({"op":"sound","events":[],"score":2,"remaining":1})",
        R"({"op":"click","events":[[130,40,0,40,40,0,0,40,40]],"score":1,"remaining":1})",
        R"({"op":"click","events":[[130,0,0,40,40,0,0,40,40],[132,0,0,40,40,0,40,40,40]],"score":0,"remaining":0})",
        R"({"op":"board","events":[[130,0,0,40,40,0,0,40,40],[132,0,0,40,40,0,40,40,40]],"score":0,"remaining":0})",
    };
    EXPECT_EQ(Replay("init 1 1 2 0\nsound off\nclick 0 0\nclick 0 40\nboard\n"), expected);
}

TEST(ReplayGolden, SizeAndNewGame) {
    const Lines expected = {
        R"({"op":"init","events":[],"score":64,"remaining":8})",
        R"({"op":"size","events":[],"score":400,"remaining":20})",  // 20 x 8 / 8
        R"({"op":"newgame","events":[],"score":400,"remaining":13})",
        R"({"op":"size","events":[],"score":121,"remaining":7})",  // 11 x 13 / 20
    };
    const Lines out = Replay("init 8 8 8 5\nsize 20 20 6\nnewgame 13 7\nsize 11 11 8\ndump\n");
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(Lines(out.begin(), out.begin() + 4), expected);
    EXPECT_EQ(out[4].rfind(
                  R"({"op":"dump","count":7,"columns":11,"rows":11,"cell":40,"score":121,"remaining":7,"tile":[[)", 0),
              0u)
        << out[4];
}

TEST(ReplayGolden, CommentsAndBlankLinesAreSkippedButCounted) {
    const Lines expected = {
        R"({"op":"error","line":4,"message":"no game; use init first"})",
        R"({"op":"init","events":[],"score":1,"remaining":0})",
        R"({"op":"error","line":8,"message":"unknown command \"bogus\""})",
    };
    EXPECT_EQ(Replay("# header\n\n   \t\nclick 0 0\n  # indented comment\ninit 0 1 1 0\n#\nbogus\n\n"), expected);
}

TEST(ReplayGolden, WindowsLineEndingsAndNoFinalNewline) {
    const Lines expected = {
        R"({"op":"init","events":[],"score":1,"remaining":0})",
        R"({"op":"click","events":[["sound","SELECT"],[130,0,0,40,40,0,0,40,40]],"score":0,"remaining":0})",
    };
    EXPECT_EQ(Replay("init 0 1 1 0\r\nclick 0 0"), expected);
}

TEST(ReplayGolden, BeforeInitEveryOtherCommandIsAnError) {
    const Lines out = Replay("newgame 5 1\nsize 8 8 1\nclick 1 1\nboard\ntiles sand\nsound off\ndump\n");
    ASSERT_EQ(out.size(), 7u);
    for (std::size_t i = 0; i < out.size(); ++i) {
        EXPECT_EQ(out[i],
                  R"({"op":"error","line":)" + std::to_string(i + 1) + R"(,"message":"no game; use init first"})");
    }
}

TEST(ReplayGolden, ErrorsLeaveTheGameAsItWas) {
    const Lines expected = {
        R"({"op":"init","events":[],"score":64,"remaining":0})",
        R"({"op":"error","line":2,"message":"X is not a 32-bit signed integer: \"ten\""})",
        R"({"op":"error","line":3,"message":"click takes 2 arguments: click X Y"})",
        R"({"op":"error","line":4,"message":"newgame takes 2 arguments: newgame COUNT TICK"})",
        R"({"op":"error","line":5,"message":"TICK is not a tick count from 0 to 4294967295: \"-1\""})",
        R"({"op":"error","line":6,"message":"expected on or off: \"OFF\""})",
        R"({"op":"error","line":7,"message":"board takes no arguments: board"})",
        R"({"op":"error","line":8,"message":"unknown command \"Click\""})",
        R"({"op":"click","events":[],"score":64,"remaining":0})",
    };
    EXPECT_EQ(Replay("init 0 8 8 1\nclick ten 5\nclick 1 2 3\nnewgame 5\nsize 8 8 -1\nsound OFF\n"
                     "board now\nClick 0 0\nclick -5 0\n"),
              expected);
}

TEST(ReplayGolden, ErrorMessagesAreValidJson) {
    const Lines out = Replay("fo\"o\\\n\x01\x7f\xff\xc3\xa9 x\n");
    const Lines expected = {
        R"({"op":"error","line":1,"message":"unknown command \"fo\"o\\\""})",
        "{\"op\":\"error\",\"line\":2,\"message\":\"unknown command \\\"\\u0001\x7f\\ufffd\xc3\xa9\\\"\"}",
    };
    EXPECT_EQ(out, expected);
}

TEST(ReplayGolden, DamagedNumbersReachTheEngineClamped) {
    const Lines out = Replay("init -2147483648 1000 -3 4294967295\nclick 2147483647 -2147483648\ndump\n");
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], R"({"op":"init","events":[],"score":25,"remaining":0})");
    EXPECT_EQ(out[1], R"({"op":"click","events":[],"score":25,"remaining":0})");
    EXPECT_EQ(out[2].rfind(R"({"op":"dump","count":-2147483648,"columns":25,"rows":1,"cell":40,)", 0), 0u);
}

}  // namespace
