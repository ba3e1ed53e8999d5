// The game's settings: conversions, defaults, validation and the exact texts
// written, on the in-memory store; and a few hand-edited values on a real file.
#include "engine/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/fake/MemorySettingsStore.h"
#include "platform/qt/settings/IniFileStore.h"

namespace {

namespace gs = game_settings;
using platform::fake::MemorySettingsStore;
using Writes = std::vector<MemorySettingsStore::WriteRecord>;

struct Conversion {
    std::string text;
    int value;
};

TEST(Settings, ParseIntTakesSignAndLeadingDigitsOnly) {
    const std::vector<Conversion> cases = {
        {"14", 14},
        {" 14", 14},
        {"\t8", 8},
        {"\n\v\f\r 9", 9},
        {"-3", -3},
        {"+7", 7},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"+-5", 0},
        {"- 5", 0},
        {"1 2", 1},
        {"0x1F", 0},
        {"007", 7},
        {"1e3", 1},
        {"3.9", 3},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},
        {"-2147483649", INT_MIN},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
        {std::string(500, '9'), INT_MAX},
        {std::string("5\0"
                     "9",
                     3),
         5},
    };
    for (const Conversion& c : cases) EXPECT_EQ(gs::ParseInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(Settings, FormatIntIsPrintfD) {
    for (int value : {0, 8, -3, 57, INT_MAX, INT_MIN}) {
        EXPECT_EQ(gs::FormatInt(value), std::to_string(value));
        EXPECT_EQ(gs::ParseInt(gs::FormatInt(value)), value);
    }
}

TEST(Settings, CutToCharsNeverSplitsACharacter) {
    EXPECT_EQ(gs::CutToChars("abcdef", 3), "abc");
    EXPECT_EQ(gs::CutToChars("abc", 3), "abc");
    EXPECT_EQ(gs::CutToChars("ab", 3), "ab");
    EXPECT_EQ(gs::CutToChars("", 0), "");
    EXPECT_EQ(gs::CutToChars("éèê", 2), "éè");
    EXPECT_EQ(gs::CutToChars("a€b", 2), "a€");
    EXPECT_EQ(gs::CutToChars("𝄞x", 1), "𝄞");
}

// One stored text and what the typed reader makes of it.
struct Stored {
    std::optional<std::string> text;  // nullopt: the key is absent
    int expected;
};

void Store(MemorySettingsStore& store, const std::string& key, const std::optional<std::string>& text) {
    if (text) store.values[key] = *text;
}

TEST(Settings, SizeReadsAsOneOfTheFiveBoards) {
    const std::vector<Stored> cases = {
        {std::nullopt, 8},
        {"8", 8},
        {"11", 11},
        {"14", 14},
        {" 14", 14},
        {"17", 17},
        {"20", 20},
        {"20x", 20},
        {"12", 8},
        {"25", 8},
        {"26", 8},
        {"0", 8},
        {"-8", 8},
        {"abc", 8},
        {"", 8},
        {"99999999999999999999", 8},
        {"           14", 8},  // cut to 11 characters: only spaces are left
        {"00000000014", 14},   // 11 characters exactly
        {"000000000014", 8},   // 12: cut to "00000000001"
    };
    for (const Stored& c : cases) {
        MemorySettingsStore store;
        Store(store, "Size", c.text);
        EXPECT_EQ(gs::Read(store, gs::kSize), c.expected) << c.text.value_or("<absent>");
    }
}

TEST(Settings, NumberIsClampedToTheBoardsRange) {
    struct Case {
        std::optional<std::string> text;
        int size;
        int expected;
    };
    const std::vector<Case> cases = {
        {std::nullopt, 8, 8}, {std::nullopt, 20, 10}, {"3", 8, 4},    {"6", 8, 6},
        {"9", 8, 8},          {"4", 11, 5},           {"12", 11, 11}, {"6", 14, 7},
        {"20", 17, 17},       {"-5", 20, 10},         {"abc", 14, 7}, {"99999999999999999999", 20, 20},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        Store(store, "Number", c.text);
        EXPECT_EQ(gs::ClampCount(gs::Read(store, gs::kNumber), c.size), c.expected)
            << c.text.value_or("<absent>") << " on " << c.size;
    }
    MemorySettingsStore store;
    store.values["Number"] = "-5";
    EXPECT_EQ(gs::Read(store, gs::kNumber), -5);  // unclamped, as stored
}

TEST(Settings, SkinIsSandOnlyForOneAndGrassOnlyForZero) {
    const std::vector<std::pair<std::optional<std::string>, gs::Skin>> cases = {
        {std::nullopt, gs::Skin::Unchanged},
        {"0", gs::Skin::Grass},
        {"1", gs::Skin::Sand},
        {" 1", gs::Skin::Sand},
        {"1abc", gs::Skin::Sand},
        {"+1", gs::Skin::Sand},
        {"2", gs::Skin::Unchanged},
        {"-1", gs::Skin::Unchanged},
        {"abc", gs::Skin::Grass},  // no digits converts to 0
    };
    for (const auto& [text, skin] : cases) {
        MemorySettingsStore store;
        Store(store, "Skin", text);
        EXPECT_EQ(gs::Read(store, gs::kSkin), skin) << text.value_or("<absent>");
    }
}

TEST(Settings, SoundOnHoldsTheSoundOffFlagAsConverted) {
    const std::vector<Stored> cases = {{std::nullopt, 0}, {"0", 0}, {"1", 1}, {"2", 2}, {"-1", -1}, {"x", 0}};
    for (const Stored& c : cases) {
        MemorySettingsStore store;
        Store(store, "SoundOn", c.text);
        EXPECT_EQ(gs::Read(store, gs::kSoundOff), c.expected) << c.text.value_or("<absent>");
    }
}

TEST(Settings, OnlyALeadingOneInShowTipsHidesTheTips) {
    const std::vector<std::pair<std::optional<std::string>, bool>> cases = {
        {std::nullopt, false}, {"", false}, {"0", false}, {"01", false}, {"x", false},         {" 1", false},
        {"2", false},          {"1", true}, {"10", true}, {"1x", true},  {"1234567890", true},
    };
    for (const auto& [text, hidden] : cases) {
        MemorySettingsStore store;
        Store(store, "ShowTips", text);
        EXPECT_EQ(gs::Read(store, gs::kTipsHidden), hidden) << text.value_or("<absent>");
    }
}

TEST(Settings, TipsNumberIsReadAsStored) {
    const std::vector<Stored> cases = {{std::nullopt, 0}, {"3", 3}, {"5", 5}, {"-2", -2}, {"77", 77}, {"z", 0}};
    for (const Stored& c : cases) {
        MemorySettingsStore store;
        Store(store, "TipsNumber", c.text);
        EXPECT_EQ(gs::Read(store, gs::kTipsNumber), c.expected) << c.text.value_or("<absent>");
    }
}

TEST(Settings, LastNameDefaultsToFourSpacesAndIsCutTo123Characters) {
    MemorySettingsStore store;
    EXPECT_EQ(gs::Read(store, gs::kLastName), "    ");
    store.values["LasName"] = "";
    EXPECT_EQ(gs::Read(store, gs::kLastName), "");
    store.values["LasName"] = " Ann, Lee ";
    EXPECT_EQ(gs::Read(store, gs::kLastName), " Ann, Lee ");
    store.values["LasName"] = std::string(200, 'n');
    EXPECT_EQ(gs::Read(store, gs::kLastName), std::string(123, 'n'));
    std::string accented;
    for (int i = 0; i < 130; ++i) accented += "é";
    store.values["LasName"] = accented;
    EXPECT_EQ(gs::Read(store, gs::kLastName), accented.substr(0, std::size_t{2} * 123));

    gs::Write(store, gs::kLastName, std::string(130, 'w'));
    EXPECT_EQ(store.values["LasName"], std::string(123, 'w'));
    gs::Write(store, gs::kLastName, accented);
    EXPECT_EQ(store.values["LasName"], accented.substr(0, std::size_t{2} * 123));
}

TEST(Settings, WritersStoreTheExactTexts) {
    MemorySettingsStore store;
    gs::Write(store, gs::kSize, 17);
    gs::Write(store, gs::kNumber, 17);
    gs::Write(store, gs::kSkin, gs::Skin::Sand);
    gs::Write(store, gs::kSkin, gs::Skin::Unchanged);  // writes nothing
    gs::Write(store, gs::kSkin, gs::Skin::Grass);
    gs::Write(store, gs::kSoundOff, 1);
    gs::Write(store, gs::kTipsHidden, false);
    gs::Write(store, gs::kTipsHidden, true);
    gs::Write(store, gs::kTipsNumber, 5);
    gs::Write(store, gs::kLastName, "    ");
    gs::WriteSizeAndNumber(store, 20, -10);
    EXPECT_EQ(store.writes, (Writes{{"Size", "17"},
                                    {"Number", "17"},
                                    {"Skin", "1"},
                                    {"Skin", "0"},
                                    {"SoundOn", "1"},
                                    {"ShowTips", "0"},
                                    {"ShowTips", "1"},
                                    {"TipsNumber", "5"},
                                    {"LasName", "    "},
                                    {"Size", "20"},
                                    {"Number", "-10"}}));
    EXPECT_EQ(store.saves, (std::vector<std::size_t>{1, 1, 1, 1, 1, 1, 1, 1, 1, 2}));
}

TEST(Settings, AnyNumberWrittenReadsBackUnchanged) {
    MemorySettingsStore store;
    const auto check = [&store](const auto& setting) {
        for (const int value : {INT_MIN, -1, 0, 7, INT_MAX}) {
            gs::Write(store, setting, value);
            EXPECT_EQ(gs::Read(store, setting), value) << setting.key;
        }
    };
    check(gs::kNumber);
    check(gs::kSoundOff);
    check(gs::kTipsNumber);
    check(gs::ResultScore({20, 20, 20, 9}));
}

TEST(Settings, BestResultsKeysAndValues) {
    const gs::ResultPlace first{8, 8, 8, 0};
    const gs::ResultPlace last{20, 20, 10, 9};
    EXPECT_EQ(gs::ResultScore(first).key, "8_8_8_0/Rez");
    EXPECT_EQ(gs::ResultName(last).key, "20_20_10_9/Name");

    MemorySettingsStore store;
    EXPECT_EQ(gs::Read(store, gs::ResultScore(first)), 0);
    EXPECT_EQ(gs::Read(store, gs::ResultName(first)), "");
    gs::Write(store, gs::ResultScore(first), 57);
    gs::Write(store, gs::ResultScore(last), -5);
    gs::Write(store, gs::ResultName(first), std::string(124, 'a'));
    EXPECT_EQ(store.writes,
              (Writes{{"8_8_8_0/Rez", "57"}, {"20_20_10_9/Rez", "-5"}, {"8_8_8_0/Name", std::string(123, 'a')}}));
    EXPECT_EQ(gs::Read(store, gs::ResultScore(last)), -5);

    store.values["8_8_8_1/Rez"] = "0000000000000000057";  // 19 characters: read whole
    EXPECT_EQ(gs::Read(store, gs::ResultScore({8, 8, 8, 1})), 57);
    store.values["8_8_8_1/Rez"] = "00000000000000000057";  // 20: cut to 19
    EXPECT_EQ(gs::Read(store, gs::ResultScore({8, 8, 8, 1})), 5);
    store.values["8_8_8_1/Name"] = "";  // present but empty stays empty
    EXPECT_EQ(gs::Read(store, gs::ResultName({8, 8, 8, 1})), "");
}

TEST(Settings, StartReadsFourKeysInOrderAndWritesNothing) {
    MemorySettingsStore store;
    const gs::StartSettings fresh = gs::ReadStartSettings(store);
    EXPECT_EQ(fresh.size, 8);
    EXPECT_EQ(fresh.count, 8);
    EXPECT_EQ(fresh.skin, gs::Skin::Unchanged);
    EXPECT_EQ(fresh.soundOff, 0);
    EXPECT_EQ(store.reads, (std::vector<std::string>{"Size", "Number", "Skin", "SoundOn"}));
    EXPECT_TRUE(store.writes.empty());

    store.values = {{"Size", "20"}, {"Number", "3"}, {"Skin", "1"}, {"SoundOn", "1"}};
    const gs::StartSettings stored = gs::ReadStartSettings(store);
    EXPECT_EQ(stored.size, 20);
    EXPECT_EQ(stored.count, 10);
    EXPECT_EQ(stored.skin, gs::Skin::Sand);
    EXPECT_EQ(stored.soundOff, 1);
}

TEST(Settings, FailedWritesChangeNothing) {
    MemorySettingsStore store;
    store.values["Size"] = "14";
    store.failWrites = true;
    gs::Write(store, gs::kSize, 20);
    EXPECT_EQ(gs::Read(store, gs::kSize), 14);
}

TEST(Settings, HandEditedValuesInARealFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("Glimbles.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nSize=\" 14\"\nNumber=12abc\nLasName=Smith, John\nShowTips=10,1\nSkin=\n");
    file.close();
    platform::qt::IniFileStore store(file.fileName());
    EXPECT_EQ(gs::Read(store, gs::kSize), 14);
    EXPECT_EQ(gs::Read(store, gs::kNumber), 12);
    EXPECT_EQ(gs::Read(store, gs::kLastName), "Smith, John");
    EXPECT_TRUE(gs::Read(store, gs::kTipsHidden));
    EXPECT_EQ(gs::Read(store, gs::kSkin), gs::Skin::Grass);  // present but empty converts to 0
}

}  // namespace
