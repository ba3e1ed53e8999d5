#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/BoardSize.h"
#include "platform/SettingsStore.h"

// Every setting the game stores, each declared once: its key, its fallback,
// how much of its text is read, and how a stored text becomes a valid value
// and a value becomes text. One Read and one Write serve them all. Reads
// validate what they read, so a hand-edited or damaged store can never take
// the game outside its limits.
namespace game_settings {

// The most characters read from a stored text; longer texts are cut to this.
inline constexpr std::size_t kNumberChars = 11;   // "%d" of any 32-bit number, sign included
inline constexpr std::size_t kShowTipsChars = 7;  // only the first one counts
inline constexpr std::size_t kScoreChars = 19;    // a best-results score
inline constexpr std::size_t kNameChars = 123;    // a player's name

// Converts a stored number: skips leading white space, takes an optional
// sign and the decimal digits up to the first other character; no digits
// give 0. A value beyond the 32-bit range saturates at INT_MIN or INT_MAX.
int ParseInt(std::string_view text);
// "%d": a minus sign for negative values, no leading zeros, no spaces.
std::string FormatInt(int value);
// The first `maxChars` characters of UTF-8 `text`, never splitting a character.
std::string_view CutToChars(std::string_view text, std::size_t maxChars);

// One stored setting. A read gives a `Value`; a write takes an `Arg`, the
// form the fallback is declared in too (a view for a text). `Key` is a
// std::string for the keys worked out from a best-results place.
template <typename Value, typename Arg = Value, typename Key = std::string_view>
struct Setting {
    Key key;
    Arg fallback;          // the value when the key is absent or holds no valid value
    std::size_t maxChars;  // how much of the stored text is read, and of a text written
    std::optional<Value> (*fromText)(std::string_view text);  // nullopt: not a valid value
    std::optional<std::string> (*toText)(Arg value);          // nullopt: nothing is written
};

// The stored text of `setting`, cut to its maxChars, made into a value; the
// fallback when the key is absent or the text holds no valid value.
template <typename Value, typename Arg, typename Key>
Value Read(platform::ISettingsStore& store, const Setting<Value, Arg, Key>& setting) {
    if (const std::optional<std::string> text = store.Read(setting.key)) {
        if (std::optional<Value> value = setting.fromText(CutToChars(*text, setting.maxChars))) {
            return *std::move(value);
        }
    }
    return Value(setting.fallback);
}

// The text `value` is written as, cut to the setting's maxChars; nullopt
// when the value is not written at all.
template <typename Value, typename Arg, typename Key>
std::optional<std::string> TextToWrite(const Setting<Value, Arg, Key>& setting, std::type_identity_t<Arg> value) {
    std::optional<std::string> text = setting.toText(value);
    if (text) text->resize(CutToChars(*text, setting.maxChars).size());
    return text;
}

// Writes `value` under the setting's key at once, unless it is not written at all.
template <typename Value, typename Arg, typename Key>
void Write(platform::ISettingsStore& store, const Setting<Value, Arg, Key>& setting, std::type_identity_t<Arg> value) {
    if (const std::optional<std::string> text = TextToWrite(setting, value)) {
        store.Write(setting.key, *text);
    }
}

// The conversions several settings share.
std::optional<int> NumberFromText(std::string_view text);        // ParseInt; always valid
std::optional<std::string> NumberToText(int value);              // FormatInt
std::optional<std::string> TextFromText(std::string_view text);  // as stored; always valid
std::optional<std::string> TextToText(std::string_view text);    // as given

// The tile set as stored under "Skin". Unchanged: absent or any other
// number, which leaves the engine's initial tiles (Grass); never written.
enum class Skin { Grass = 0, Sand = 1, Unchanged = -1 };

// Board edge N; only the five board sizes are valid, anything else reads as 8.
inline constexpr Setting<int> kSize{"Size", 8, kNumberChars,
                                    [](std::string_view text) -> std::optional<int> {
                                        const int n = ParseInt(text);
                                        if (board::FindSize(n) == nullptr) return std::nullopt;
                                        return n;
                                    },
                                    NumberToText};
// Glimble count as stored; ClampCount brings it into the size's range.
inline constexpr Setting<int> kNumber{"Number", 8, kNumberChars, NumberFromText, NumberToText};
// Tile set: 0 Grass, 1 Sand; absent or any other number Unchanged.
inline constexpr Setting<Skin> kSkin{"Skin", Skin::Unchanged, kNumberChars,
                                     [](std::string_view text) -> std::optional<Skin> {
                                         switch (ParseInt(text)) {
                                             case static_cast<int>(Skin::Grass): return Skin::Grass;
                                             case static_cast<int>(Skin::Sand): return Skin::Sand;
                                             default: return std::nullopt;
                                         }
                                     },
                                     [](Skin skin) -> std::optional<std::string> {
                                         if (skin == Skin::Unchanged) return std::nullopt;
                                         return FormatInt(static_cast<int>(skin));
                                     }};
// The sound-OFF flag despite the key's name: 0 sounds play, anything else silent.
inline constexpr Setting<int> kSoundOff{"SoundOn", 0, kNumberChars, NumberFromText, NumberToText};
// Whether the tips stay hidden at start, stored under "ShowTips": "1" as the
// first character hides them, anything else shows them; written "1" or "0".
inline constexpr Setting<bool> kTipsHidden{
    "ShowTips", false, kShowTipsChars,
    [](std::string_view text) -> std::optional<bool> { return !text.empty() && text.front() == '1'; },
    [](bool hidden) -> std::optional<std::string> { return FormatInt(hidden ? 1 : 0); }};
// Index of the next tip picture, as stored; the tips dialog wraps it.
inline constexpr Setting<int> kTipsNumber{"TipsNumber", 0, kNumberChars, NumberFromText, NumberToText};
// The name most recently entered for the best results; present but empty stays empty.
inline constexpr Setting<std::string, std::string_view> kLastName{"LasName", "    ", kNameChars, TextFromText,
                                                                  TextToText};

// Both in one save, so the store never holds a size without its count.
void WriteSizeAndNumber(platform::ISettingsStore& store, int n, int count);

// The glimble count brought into the range of a board of edge `size`: N / 2 to N.
int ClampCount(int count, int size);

// What the engine is made from at the first paint, read in the order
// "Size", "Number", "Skin", "SoundOn"; the count already clamped.
struct StartSettings {
    int size;      // one of the five board sizes
    int count;     // within the size's range
    Skin skin;     // Unchanged: keep the engine's initial tiles
    int soundOff;  // 0 sounds play, anything else silent
};
StartSettings ReadStartSettings(platform::ISettingsStore& store);

// One place of a best-results table: the board's columns, rows and glimble
// count select the table, place 0 is the best of its ten places.
struct ResultPlace {
    int columns;
    int rows;
    int count;
    int place;
};
inline constexpr int kResultPlaces = 10;

// The score of a place under "%d_%d_%d_%d/Rez", 0 when absent, and the
// name under "%d_%d_%d_%d/Name", "" when absent.
Setting<int, int, std::string> ResultScore(const ResultPlace& at);
Setting<std::string, std::string_view, std::string> ResultName(const ResultPlace& at);

}  // namespace game_settings
