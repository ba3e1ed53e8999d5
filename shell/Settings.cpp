#include "shell/Settings.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "engine/BoardSize.h"

namespace game_settings {
namespace {

constexpr std::string_view kScoreField = "Rez";
constexpr std::string_view kNameField = "Name";
constexpr char kTipsHiddenMark = '1';  // the first character of "ShowTips" that hides the tips
constexpr int kDecimalBase = 10;

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

std::string PlacePrefix(const ResultPlace& at) {
    return FormatInt(at.columns) + '_' + FormatInt(at.rows) + '_' + FormatInt(at.count) + '_' +
           FormatInt(at.place) + '/';
}

int ReadSetting(platform::ISettingsStore& store, const NumberSetting& setting) {
    return ReadInt(store, setting.key, setting.fallback, setting.maxChars);
}

std::string ReadSetting(platform::ISettingsStore& store, const TextSetting& setting) {
    return ReadText(store, setting.key, setting.fallback, setting.maxChars);
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

int ReadInt(platform::ISettingsStore& store, std::string_view key, int fallback,
            std::size_t maxChars) {
    const std::optional<std::string> text = store.Read(key);
    if (!text) return fallback;
    return ParseInt(CutToChars(*text, maxChars));
}

void WriteInt(platform::ISettingsStore& store, std::string_view key, int value) {
    store.Write(key, FormatInt(value));
}

std::string ReadText(platform::ISettingsStore& store, std::string_view key,
                     std::string_view fallback, std::size_t maxChars) {
    const std::optional<std::string> text = store.Read(key);
    return std::string(CutToChars(text ? *text : fallback, maxChars));
}

void WriteText(platform::ISettingsStore& store, std::string_view key, std::string_view text,
               std::size_t maxChars) {
    store.Write(key, CutToChars(text, maxChars));
}

int ReadSize(platform::ISettingsStore& store) {
    const int n = ReadSetting(store, kSize);
    return board::FindSize(n) != nullptr ? n : kSize.fallback;
}

void WriteSize(platform::ISettingsStore& store, int n) { WriteInt(store, kSize.key, n); }

int ReadNumber(platform::ISettingsStore& store) { return ReadSetting(store, kNumber); }

int ReadNumber(platform::ISettingsStore& store, int size) {
    return ClampCount(ReadNumber(store), size);
}

void WriteNumber(platform::ISettingsStore& store, int count) { WriteInt(store, kNumber.key, count); }

void WriteSizeAndNumber(platform::ISettingsStore& store, int n, int count) {
    const std::string size = FormatInt(n);
    const std::string number = FormatInt(count);
    const platform::SettingsChange changes[] = {{kSize.key, size}, {kNumber.key, number}};
    store.WriteAll(changes);
}

Skin ReadSkin(platform::ISettingsStore& store) {
    const std::optional<std::string> text = store.Read(kSkin.key);
    if (!text) return Skin::Unchanged;
    switch (ParseInt(CutToChars(*text, kSkin.maxChars))) {
        case static_cast<int>(Skin::Grass): return Skin::Grass;
        case static_cast<int>(Skin::Sand): return Skin::Sand;
        default: return Skin::Unchanged;
    }
}

void WriteSkin(platform::ISettingsStore& store, Skin skin) {
    if (skin != Skin::Unchanged) WriteInt(store, kSkin.key, static_cast<int>(skin));
}

int ReadSoundOff(platform::ISettingsStore& store) { return ReadSetting(store, kSoundOff); }

void WriteSoundOff(platform::ISettingsStore& store, int soundOff) {
    WriteInt(store, kSoundOff.key, soundOff);
}

bool ReadTipsHidden(platform::ISettingsStore& store) {
    const std::string text = ReadSetting(store, kShowTips);
    return !text.empty() && text.front() == kTipsHiddenMark;
}

void WriteTipsHidden(platform::ISettingsStore& store, bool hidden) {
    WriteInt(store, kShowTips.key, hidden ? 1 : 0);
}

int ReadTipsNumber(platform::ISettingsStore& store) { return ReadSetting(store, kTipsNumber); }

void WriteTipsNumber(platform::ISettingsStore& store, int index) {
    WriteInt(store, kTipsNumber.key, index);
}

std::string ReadLastName(platform::ISettingsStore& store) { return ReadSetting(store, kLastName); }

void WriteLastName(platform::ISettingsStore& store, std::string_view name) {
    WriteText(store, kLastName.key, name, kLastName.maxChars);
}

int ClampCount(int count, int size) {
    if (const board::SizeInfo* info = board::FindSize(size)) {
        return std::clamp(count, info->minCount, info->maxCount);
    }
    return std::clamp(count, size / 2, std::max(size / 2, size));
}

StartSettings ReadStartSettings(platform::ISettingsStore& store) {
    StartSettings start{};
    start.size = ReadSize(store);
    start.count = ReadNumber(store, start.size);
    start.skin = ReadSkin(store);
    start.soundOff = ReadSoundOff(store);
    return start;
}

std::string ResultScoreKey(const ResultPlace& at) {
    return PlacePrefix(at) + std::string(kScoreField);
}

std::string ResultNameKey(const ResultPlace& at) {
    return PlacePrefix(at) + std::string(kNameField);
}

int ReadResultScore(platform::ISettingsStore& store, const ResultPlace& at) {
    return ReadInt(store, ResultScoreKey(at), 0, kScoreChars);
}

void WriteResultScore(platform::ISettingsStore& store, const ResultPlace& at, int score) {
    WriteInt(store, ResultScoreKey(at), score);
}

std::string ReadResultName(platform::ISettingsStore& store, const ResultPlace& at) {
    return ReadText(store, ResultNameKey(at), "", kNameChars);
}

void WriteResultName(platform::ISettingsStore& store, const ResultPlace& at,
                     std::string_view name) {
    WriteText(store, ResultNameKey(at), name, kNameChars);
}

}  // namespace game_settings
