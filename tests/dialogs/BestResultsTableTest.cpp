// Ranking a won game into the best results, against an in-memory store and a
// scripted name prompt.
#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/BestResultsTable.h"
#include "platform/fake/MemorySettingsStore.h"

namespace {

using best_results::Entry;
using best_results::Table;
using best_results::TableKey;
using platform::fake::MemorySettingsStore;

constexpr TableKey kTiny{8, 8, 8};

std::string Key(const TableKey& t, int place, const char* field) {
    return std::to_string(t.columns) + "_" + std::to_string(t.rows) + "_" + std::to_string(t.count) + "_" +
           std::to_string(place) + "/" + field;
}

// What a place holds before the game: each part may be missing.
struct Stored {
    std::optional<std::string> score;
    std::optional<std::string> name;
};

// A name prompt that answers from a script and remembers what it offered.
struct ScriptedPrompt {
    std::deque<std::optional<std::string>> answers;  // nullopt: dismissed, the offered name comes back
    std::vector<std::string> offered;

    std::string operator()(const std::string& offer) {
        offered.push_back(offer);
        if (answers.empty()) {
            ADD_FAILURE() << "the name was asked more often than expected";
            return offer;
        }
        const std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer ? *answer : offer;
    }
};

struct RecordCase {
    const char* title;
    std::map<int, Stored> places;         // by index
    std::optional<std::string> lastName;  // "LasName" before the game
    int score;
    std::deque<std::optional<std::string>> answers;
    Table expected;  // the table afterwards
    std::vector<std::string> sounds;
    std::vector<std::string> offered;  // names the prompts offered, in order
    std::optional<std::string> lastNameAfter;
};

// Failures name the case rather than dump its bytes.
void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.title; }

Table Make(std::vector<Entry> top) {
    Table t;
    for (std::size_t i = 0; i < top.size(); ++i) t[i] = top[i];
    return t;
}

// A full table 100, 90, ..., 10 with names P1 .. P10.
// "P" and the place number, built without operator+ (which trips a false
// -Wrestrict in this compiler at -O3).
std::string PlayerName(int place) {
    std::string name = std::to_string(place);
    name.insert(name.begin(), 'P');
    return name;
}

std::map<int, Stored> FullTable() {
    std::map<int, Stored> places;
    for (int i = 0; i < 10; ++i) places[i] = {std::to_string(100 - 10 * i), PlayerName(i + 1)};
    return places;
}

std::vector<Entry> FullEntries() {
    std::vector<Entry> entries;
    entries.reserve(10);
    for (int i = 0; i < 10; ++i) entries.push_back({PlayerName(i + 1), 100 - 10 * i});
    return entries;
}

std::vector<RecordCase> Cases() {
    std::vector<RecordCase> cases;

    cases.push_back(
        {"empty table, 57", {}, std::nullopt, 57, {"Anna"}, Make({{"Anna", 57}}), {"BEST"}, {"    "}, "Anna"});

    {
        std::vector<Entry> e = FullEntries();
        e.insert(e.begin() + 3, Entry{"New", 70});
        e.pop_back();
        cases.push_back(
            {"tie at place 4 goes ahead", FullTable(), "Old", 70, {"New"}, Make(e), {"BEST"}, {"Old"}, "New"});
    }
    {
        std::vector<Entry> e = FullEntries();
        e[9] = {"New", 10};
        cases.push_back({"tie at place 10 pushes the old tenth out",
                         FullTable(),
                         "Old",
                         10,
                         {"New"},
                         Make(e),
                         {"BEST"},
                         {"Old"},
                         "New"});
    }
    cases.push_back({"lower than place 10", FullTable(), "Old", 9, {}, Make(FullEntries()), {"WIN"}, {}, "Old"});

    cases.push_back({"a name without a score counts as 0 and moves to the next place of 0",
                     {{0, {"50", "A"}}, {1, {std::nullopt, "Ghost"}}, {2, {"30", "C"}}},
                     std::nullopt,
                     40,
                     {"New"},
                     Make({{"A", 50}, {"New", 40}, {"C", 30}, {"Ghost", 0}}),
                     {"BEST"},
                     {"    "},
                     "New"});

    cases.push_back({"a positive score without a name below the new one asks again",
                     {{0, {"100", "Top"}}, {1, {"50", ""}}, {2, {"20", std::nullopt}}},
                     "Old",
                     60,
                     {"Anna", "Bob", "Cid"},
                     Make({{"Top", 100}, {"Anna", 60}, {"Bob", 50}, {"Cid", 20}}),
                     {"BEST", "BEST", "BEST"},
                     {"Old", "Anna", "Bob"},
                     "Cid"});

    cases.push_back({"dismissed prompt keeps the offered name",
                     {},
                     "Carla",
                     12,
                     {std::nullopt},
                     Make({{"Carla", 12}}),
                     {"BEST"},
                     {"Carla"},
                     "Carla"});

    cases.push_back({"dismissed prompt without a last name records four spaces",
                     {},
                     std::nullopt,
                     3,
                     {std::nullopt},
                     Make({{"    ", 3}}),
                     {"BEST"},
                     {"    "},
                     "    "});

    cases.push_back(
        {"an empty last name is offered empty", {}, "", 5, {std::nullopt}, Make({{"", 5}}), {"BEST"}, {""}, ""});

    cases.push_back({"any characters are kept exactly",
                     {},
                     std::nullopt,
                     8,
                     {" Zoë, \"the\" @ best\\ "},
                     Make({{" Zoë, \"the\" @ best\\ ", 8}}),
                     {"BEST"},
                     {"    "},
                     " Zoë, \"the\" @ best\\ "});

    cases.push_back(
        {"the maximum score", {}, std::nullopt, INT_MAX, {"Max"}, Make({{"Max", INT_MAX}}), {"BEST"}, {"    "}, "Max"});

    return cases;
}

class RecordResultTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordResultTest, RanksTheScore) {
    const RecordCase& c = GetParam();
    MemorySettingsStore store;
    for (const auto& [index, stored] : c.places) {
        if (stored.score) store.values[Key(kTiny, index, "Rez")] = *stored.score;
        if (stored.name) store.values[Key(kTiny, index, "Name")] = *stored.name;
    }
    if (c.lastName) store.values["LasName"] = *c.lastName;

    const bool earns = best_results::EarnsPlace(store, kTiny, c.score);
    ScriptedPrompt prompt{c.answers, {}};
    std::vector<std::string> sounds;
    best_results::RecordResult(
        store, kTiny, c.score, [&prompt](const std::string& offer) { return prompt(offer); },
        [&sounds](std::string_view name) { sounds.emplace_back(name); });

    EXPECT_EQ(best_results::Load(store, kTiny), c.expected);
    EXPECT_EQ(sounds, c.sounds);
    EXPECT_EQ(prompt.offered, c.offered);
    EXPECT_TRUE(prompt.answers.empty()) << "the name was asked fewer times than expected";
    EXPECT_EQ(store.Read("LasName"), c.lastNameAfter);
    EXPECT_EQ(earns, !c.sounds.empty() && c.sounds.front() == "BEST") << "told before whether a place is earned";
    if (c.sounds == std::vector<std::string>{"WIN"}) {
        EXPECT_TRUE(store.writes.empty()) << "a score that earns no place writes nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RecordResultTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<RecordCase>& info) {
                             std::string name;
                             for (const char* p = info.param.title; *p != '\0'; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

TEST(RecordResult, ScoreBelowOneTouchesNothing) {
    for (int score : {0, -1, INT_MIN}) {
        MemorySettingsStore store;
        store.values = {{Key(kTiny, 0, "Rez"), "-50"}, {"LasName", "Old"}};
        std::vector<std::string> sounds;
        EXPECT_FALSE(best_results::EarnsPlace(store, kTiny, score)) << score;
        best_results::RecordResult(
            store, kTiny, score,
            [](const std::string& offer) {
                ADD_FAILURE() << "no name is asked for a score below 1";
                return offer;
            },
            [&sounds](std::string_view name) { sounds.emplace_back(name); });
        EXPECT_TRUE(store.reads.empty()) << score;
        EXPECT_TRUE(store.writes.empty()) << score;
        EXPECT_TRUE(sounds.empty()) << score;
    }
}

TEST(RecordResult, SavesOnceInTheOrderOfTheWalkAfterThePrompt) {
    // One log for the store, the sounds and the prompt, to see their order.
    MemorySettingsStore store;
    std::vector<std::string> log;
    best_results::RecordResult(
        store, {11, 11, 5}, 57,
        [&](const std::string& offer) {
            log.push_back("writes so far " + std::to_string(store.writes.size()));
            log.push_back("prompt offered [" + offer + "]");
            return std::string("Anna");
        },
        [&](std::string_view name) {
            log.push_back("writes so far " + std::to_string(store.writes.size()));
            log.push_back("sound " + std::string(name));
        });

    const std::vector<std::string> expectedLog = {"writes so far 0", "sound BEST", "writes so far 0",
                                                  "prompt offered [    ]"};
    EXPECT_EQ(log, expectedLog);

    std::vector<MemorySettingsStore::WriteRecord> expected = {
        {"11_11_5_0/Rez", "57"}, {"LasName", "Anna"}, {"11_11_5_0/Name", "Anna"}};
    for (int i = 1; i < 10; ++i) {
        expected.push_back({"11_11_5_" + std::to_string(i) + "/Rez", "0"});
        expected.push_back({"11_11_5_" + std::to_string(i) + "/Name", ""});
    }
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(store.saves, std::vector<std::size_t>{expected.size()}) << "one save for the whole result";

    // Each place: its score read, then (once taken) its old name read.
    ASSERT_GE(store.reads.size(), 3u);
    EXPECT_EQ(store.reads[0], "11_11_5_0/Rez");
    EXPECT_EQ(store.reads[1], "LasName");
    EXPECT_EQ(store.reads[2], "11_11_5_0/Name");
}

// The game killed while the name prompt is open: nothing of the result has
// reached the store, so the old names keep their scores.
TEST(RecordResult, TheTableIsAsItWasWhileThePromptIsOpen) {
    MemorySettingsStore store;
    store.values = {{Key(kTiny, 0, "Rez"), "50"},
                    {Key(kTiny, 0, "Name"), "Old"},
                    {Key(kTiny, 1, "Rez"), "40"},
                    {Key(kTiny, 1, "Name"), "Older"},
                    {"LasName", "Old"}};
    const auto before = store.values;
    best_results::RecordResult(
        store, kTiny, 57,
        [&](const std::string&) {
            EXPECT_EQ(store.values, before);
            return std::string("New");
        },
        [](std::string_view) {});
    EXPECT_EQ(store.saves.size(), 1u);
    EXPECT_EQ(best_results::Load(store, kTiny)[2], (Entry{"Older", 40}));
    EXPECT_EQ(store.Read("LasName"), "New");
}

TEST(RecordResult, FailedWritesStillAskOnceAndGoOn) {
    MemorySettingsStore store;
    store.failWrites = true;
    int asked = 0;
    std::vector<std::string> sounds;
    best_results::RecordResult(
        store, kTiny, 57,
        [&asked](const std::string&) {
            ++asked;
            return std::string("Anna");
        },
        [&sounds](std::string_view name) { sounds.emplace_back(name); });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(sounds, std::vector<std::string>{"BEST"});
    EXPECT_EQ(store.writes.size(), 21u);  // ten places of two keys, and the last name
    EXPECT_TRUE(store.values.empty());
}

TEST(LoadResults, DamagedValuesStayWithinTheirWidthsAndSpareTheOtherPlaces) {
    MemorySettingsStore store;
    const std::string longName(10000, 'x');
    store.values = {
        {Key(kTiny, 0, "Rez"), "9999999999999999999999999999999999999999"},  // 40 digits
        {Key(kTiny, 0, "Name"), longName},
        {Key(kTiny, 1, "Rez"), "garbage"},
        {Key(kTiny, 1, "Name"), "Bea"},
        {Key(kTiny, 2, "Rez"), "-17"},
        {Key(kTiny, 3, "Rez"), "  42xyz"},
        {Key(kTiny, 4, "Rez"), "12345678901234567890123"},  // past 19 characters: cut, then saturated
        {Key(kTiny, 5, "Rez"), ""},
        {Key(kTiny, 5, "Name"), "Eve"},
        {Key(kTiny, 6, "Name"), std::string(200, '\xC3') + "tail"},  // broken UTF-8
    };
    const Table table = best_results::Load(store, kTiny);
    EXPECT_EQ(table[0].score, INT_MAX);
    EXPECT_EQ(table[0].name, std::string(123, 'x'));
    EXPECT_EQ(table[1], (Entry{"Bea", 0}));
    EXPECT_EQ(table[2].score, -17);
    EXPECT_EQ(table[3].score, 42);
    EXPECT_EQ(table[4].score, INT_MAX);
    EXPECT_EQ(table[5], (Entry{"Eve", 0}));
    EXPECT_LE(table[6].name.size(), 123u * 4);
    EXPECT_EQ(table[7], Entry{});

    // A new result still ranks around the damaged places without losing them.
    best_results::RecordResult(
        store, kTiny, 30, [](const std::string&) { return std::string("New"); }, [](std::string_view) {});
    const Table after = best_results::Load(store, kTiny);
    EXPECT_EQ(after[0].name, std::string(123, 'x'));
    EXPECT_EQ(after[0].score, INT_MAX);
    EXPECT_EQ(after[1], (Entry{"New", 30}));
    EXPECT_EQ(after[2], (Entry{"Bea", 0}));
}

TEST(LoadResults, EachTableHasItsOwnKeys) {
    MemorySettingsStore store;
    store.values = {{"8_8_8_0/Rez", "40"}, {"8_8_4_0/Rez", "30"}, {"11_8_8_0/Rez", "20"}};
    EXPECT_EQ(best_results::Load(store, {8, 8, 8})[0].score, 40);
    EXPECT_EQ(best_results::Load(store, {8, 8, 4})[0].score, 30);
    EXPECT_EQ(best_results::Load(store, {11, 8, 8})[0].score, 20);
    EXPECT_EQ(best_results::Load(store, {8, 11, 8})[0].score, 0);
}

}  // namespace
