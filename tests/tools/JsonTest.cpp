// The replay tool's JSON strings: always valid JSON, whatever bytes come in.
#include <gtest/gtest.h>

#include <string>

#include "tools/replay/Json.h"

namespace {

struct Case {
    const char* name;
    std::string in;
    std::string out;
};

class JsonString : public ::testing::TestWithParam<Case> {};

TEST_P(JsonString, IsEscaped) {
    std::string s;
    replay::json::AppendString(s, GetParam().in);
    EXPECT_EQ(s, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonString,
    ::testing::Values(
        Case{"Word", "MOVE", "\"MOVE\""}, Case{"Empty", "", "\"\""},
        Case{"QuoteAndBackslash", "a\"b\\c", R"("a\"b\\c")"}, Case{"LineEndsAndTab", "\n\r\t", R"("\n\r\t")"},
        Case{"OtherControlCodes", std::string("\0\x1f", 2), R"("\u0000\u001f")"},
        // Valid UTF-8 passes through: 2, 3 and 4 bytes.
        Case{"ValidUtf8", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", "\"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\""},
        // A stray continuation byte, a cut sequence, an overlong form, a
        // surrogate and a value beyond U+10FFFF: one U+FFFD per bad byte.
        Case{"StrayContinuation", "\x80", R"("\ufffd")"}, Case{"CutSequence", "\xe2\x82", R"("\ufffd\ufffd")"},
        Case{"OverlongForm", "\xc0\xaf", R"("\ufffd\ufffd")"},
        Case{"Surrogate", "\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},
        Case{"BeyondTheLastCodePoint", "\xf4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"},
        Case{"BadByteBeforeALetter",
             "\xff"
             "a",
             R"("\ufffda")"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JsonEvents, CopiesAndSoundsInOrder) {
    using platform::fake::Event;
    const std::vector<Event> events = {
        {Event::Kind::Copy, 132, {120, 0, 40, 40}, {437, -1, 23, 23}, {}},
        {Event::Kind::Sound, 0, {}, {}, "MOVE"},
    };
    std::string s;
    replay::json::AppendEvents(s, events);
    EXPECT_EQ(s, R"([[132,120,0,40,40,437,-1,23,23],["sound","MOVE"]])");
    s.clear();
    replay::json::AppendEvents(s, {});
    EXPECT_EQ(s, "[]");
}

TEST(JsonInt, FullRange) {
    std::string s;
    replay::json::AppendInt(s, -2147483648LL);
    s += ' ';
    replay::json::AppendInt(s, 4294967295LL);
    EXPECT_EQ(s, "-2147483648 4294967295");
}

}  // namespace
