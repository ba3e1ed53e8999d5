#include "engine/Settings.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace game_settings {
namespace {

constexpr std::string_view kScoreField = "Rez";
constexpr std::string_view kNameField = "Name";
constexpr int kDecimalBase = 10;

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

std::string PlacePrefix(const ResultPlace& at) {
    return FormatInt(at.columns) + '_' + FormatInt(at.rows) + '_' + FormatInt(at.count) + '_' + FormatInt(at.place) +
           '/';
}

}  // namespace

int ParseInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Collected as a magnitude in 64 bits, held just past the 32-bit limit
    // once it gets there, so any number of digits is safe.
    constexpr std::int64_t kPastLimit = std::int64_t{INT_MAX} + 2;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * kDecimalBase + (text[i] - '0'), kPastLimit);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::string FormatInt(int value) {
    char buffer[kNumberChars + 1];
    const int length = std::snprintf(buffer, sizeof buffer, "%d", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string_view CutToChars(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && IsContinuationByte(text[i])) continue;
        if (chars == maxChars) return text.substr(0, i);
        ++chars;
    }
    return text;
}

std::optional<int> NumberFromText(std::string_view text) { return ParseInt(text); }

std::optional<std::string> NumberToText(int value) { return FormatInt(value); }

std::optional<std::string> TextFromText(std::string_view text) { return std::string(text); }

std::optional<std::string> TextToText(std::string_view text) { return std::string(text); }

void WriteSizeAndNumber(platform::ISettingsStore& store, int n, int count) {
    const std::optional<std::string> size = TextToWrite(kSize, n);
    const std::optional<std::string> number = TextToWrite(kNumber, count);
    std::vector<platform::SettingsChange> changes;
    if (size) changes.push_back({kSize.key, *size});
    if (number) changes.push_back({kNumber.key, *number});
    store.WriteAll(changes);
}

int ClampCount(int count, int size) { return board::CountRange(size).Clamp(count); }

StartSettings ReadStartSettings(platform::ISettingsStore& store) {
    StartSettings start{};
    start.size = Read(store, kSize);
    start.count = ClampCount(Read(store, kNumber), start.size);
    start.skin = Read(store, kSkin);
    start.soundOff = Read(store, kSoundOff);
    return start;
}

Setting<int, int, std::string> ResultScore(const ResultPlace& at) {
    return {PlacePrefix(at) + std::string(kScoreField), 0, kScoreChars, NumberFromText, NumberToText};
}

Setting<std::string, std::string_view, std::string> ResultName(const ResultPlace& at) {
    return {PlacePrefix(at) + std::string(kNameField), "", kNameChars, TextFromText, TextToText};
}

}  // namespace game_settings
