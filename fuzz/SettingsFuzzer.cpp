// Arbitrary texts through the settings conversions and the typed reads: the
// number conversion must agree with the C library's, cutting must never split
// a character, and whatever a damaged store holds, the reads stay within
// their limits and survive being written back unchanged.
#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/BoardSize.h"
#include "engine/Settings.h"
#include "fuzz/FuzzCheck.h"
#include "platform/fake/MemorySettingsStore.h"

namespace gs = game_settings;

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

// The C library's reading of a stored number, held to the 32-bit range.
int ReferenceParse(std::string_view text) {
    const std::string terminated(text);
    const long long value = std::strtoll(terminated.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void CheckNumber(std::string_view text) {
    const int value = gs::ParseInt(text);
    fuzz::Check(value == ReferenceParse(text), "ParseInt reads a number as strtoll does");
    const std::string formatted = gs::FormatInt(value);
    fuzz::Check(formatted.size() <= gs::kNumberChars, "a formatted number fits a number setting");
    fuzz::Check(gs::ParseInt(formatted) == value, "a formatted number reads back unchanged");
}

void CheckCut(std::string_view text, std::size_t maxChars) {
    const std::string_view cut = gs::CutToChars(text, maxChars);
    fuzz::Check(cut.data() == text.data() && cut.size() <= text.size(), "a cut is a prefix");
    // A stray continuation byte at the very start counts as a character of its own.
    fuzz::Check(cut.empty() || cut.size() == text.size() || !IsContinuationByte(text[cut.size()]),
                "a cut never splits a character");
    std::size_t chars = 0;
    for (std::size_t i = 0; i < cut.size(); ++i) {
        if (i == 0 || !IsContinuationByte(cut[i])) ++chars;
    }
    fuzz::Check(chars <= maxChars, "a cut keeps at most maxChars characters");
    fuzz::Check(cut.size() == text.size() || chars == maxChars, "a cut keeps all it may");
}

const gs::ResultPlace kPlace{8, 8, 8, 0};

// The keys a damaged store may hold texts under, in the order the input
// fills them.
const std::array<std::string, 9> kKeys = {
    std::string(gs::kSize.key),     std::string(gs::kNumber.key),     std::string(gs::kSkin.key),
    std::string(gs::kSoundOff.key), std::string(gs::kTipsHidden.key), std::string(gs::kTipsNumber.key),
    std::string(gs::kLastName.key), gs::ResultScore(kPlace).key,      gs::ResultName(kPlace).key,
};

// Reads `setting`, writes the value back and checks that it then reads the same.
template <typename Value, typename Arg, typename Key>
Value CheckReadsBack(platform::fake::MemorySettingsStore& store, const gs::Setting<Value, Arg, Key>& setting,
                     const char* what) {
    Value value = gs::Read(store, setting);
    gs::Write(store, setting, value);
    fuzz::Check(gs::Read(store, setting) == value, what);
    return value;
}

// Reads every setting from `store`, checks it, writes it back and checks
// that the store then reads the same.
void CheckTypedReads(platform::fake::MemorySettingsStore& store) {
    const gs::StartSettings start = gs::ReadStartSettings(store);
    fuzz::Check(board::FindSize(start.size) != nullptr, "the board size is one of the five");
    const board::Counts range = board::CountRange(start.size);
    fuzz::Check(start.count >= range.smallest && start.count <= range.largest, "the count is within the size's range");
    fuzz::Check(start.skin == gs::Skin::Grass || start.skin == gs::Skin::Sand || start.skin == gs::Skin::Unchanged,
                "the tile set is a known one");

    CheckReadsBack(store, gs::kTipsHidden, "the tips flag reads back unchanged");
    CheckReadsBack(store, gs::kTipsNumber, "the tip index reads back unchanged");
    CheckReadsBack(store, gs::kNumber, "the count reads back unchanged");
    CheckReadsBack(store, gs::kSize, "the size reads back unchanged");
    CheckReadsBack(store, gs::kSkin, "the tile set reads back unchanged");
    CheckReadsBack(store, gs::kSoundOff, "the sound flag reads back unchanged");
    CheckReadsBack(store, gs::ResultScore(kPlace), "a score reads back unchanged");
    const std::string lastName = CheckReadsBack(store, gs::kLastName, "the last name reads back unchanged");
    const std::string name = CheckReadsBack(store, gs::ResultName(kPlace), "a name reads back unchanged");
    CheckCut(lastName, gs::kNameChars);
    CheckCut(name, gs::kNameChars);
    fuzz::Check(gs::CutToChars(lastName, gs::kNameChars) == lastName, "a read name is cut");

    const gs::StartSettings again = gs::ReadStartSettings(store);
    fuzz::Check(again.size == start.size && again.count == start.count && again.skin == start.skin &&
                    again.soundOff == start.soundOff,
                "the start settings read back unchanged");
}

}  // namespace

// The input is the stored texts of kKeys in order, separated by newlines;
// keys past the last text are absent. Every text, and the whole input, also
// goes through the conversions directly.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckNumber(input);
    for (const std::size_t maxChars :
         {std::size_t{0}, std::size_t{1}, gs::kShowTipsChars, gs::kNumberChars, gs::kScoreChars, gs::kNameChars}) {
        CheckCut(input, maxChars);
    }

    platform::fake::MemorySettingsStore store;
    std::string_view rest = input;
    for (std::size_t i = 0; i < kKeys.size() && !rest.empty(); ++i) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view text = rest.substr(0, end);
        CheckNumber(text);
        store.values[kKeys[i]] = std::string(text);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    CheckTypedReads(store);
    return 0;
}
