// Which tip comes next, across openings and Next Tip presses.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialogs/TipCycle.h"
#include "platform/fake/MemorySettingsStore.h"

namespace {

using platform::fake::MemorySettingsStore;

struct CycleCase {
    std::optional<std::string> stored;  // "TipsNumber" before the first showing
    std::vector<int> pictures;          // shown by successive showings
    std::string storedAfter;            // "TipsNumber" after the last one
};

TEST(TipCycle, FollowsTheStoredIndex) {
    const CycleCase cases[] = {
        {std::nullopt, {150, 151, 152, 153, 154, 150}, "1"},
        {"4", {154, 150}, "1"},
        {"5", {150, 151}, "2"},
        {"2147483647", {150}, "1"},
        {"-2", {150, 150, 150, 151}, "2"},
        {"-2147483648", {150}, "-2147483647"},
        {"garbage", {150, 151}, "2"},
        {" 3", {153}, "4"},
    };
    for (const CycleCase& c : cases) {
        MemorySettingsStore store;
        if (c.stored) store.values["TipsNumber"] = *c.stored;
        std::vector<int> shown;
        for (std::size_t i = 0; i < c.pictures.size(); ++i) shown.push_back(tips::ShowNextTip(store));
        EXPECT_EQ(shown, c.pictures) << c.stored.value_or("(none)");
        EXPECT_EQ(store.values["TipsNumber"], c.storedAfter) << c.stored.value_or("(none)");
    }
}

TEST(TipCycle, EachShowingReadsThenWritesOnlyTheIndex) {
    MemorySettingsStore store;
    tips::ShowNextTip(store);
    EXPECT_EQ(store.reads, std::vector<std::string>{"TipsNumber"});
    EXPECT_EQ(store.writes, (std::vector<MemorySettingsStore::WriteRecord>{{"TipsNumber", "1"}}));
}

}  // namespace
