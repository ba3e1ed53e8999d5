#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

// Every setting the game stores: its key, its default, how much of its text
// is read and which values are valid. Readers validate what they read, so a
// hand-edited or damaged store can never take the game outside its limits.
namespace game_settings {

// The most characters read from a stored text; longer texts are cut to this.
inline constexpr std::size_t kNumberChars = 11;    // "%d" of any 32-bit number, sign included
inline constexpr std::size_t kShowTipsChars = 7;   // only the first one counts
inline constexpr std::size_t kScoreChars = 19;     // a best-results score
inline constexpr std::size_t kNameChars = 123;     // a player's name

// A setting stored as a decimal number.
struct NumberSetting {
    std::string_view key;
    int fallback;           // the value when the key is absent
    std::size_t maxChars;   // how much of the text is converted
};

// A setting stored as a text.
struct TextSetting {
    std::string_view key;
    std::string_view fallback;  // the value when the key is absent
    std::size_t maxChars;       // longer texts are cut to this many characters
};

// Board edge N; only the five board sizes are valid, anything else reads as the fallback.
inline constexpr NumberSetting kSize{"Size", 8, kNumberChars};
// Glimble count; clamped to the size's range by ClampCount when the engine is made.
inline constexpr NumberSetting kNumber{"Number", 8, kNumberChars};
// Tile set: 0 Grass, 1 Sand; any other number leaves the engine's tiles (Grass).
inline constexpr NumberSetting kSkin{"Skin", 0, kNumberChars};
// The sound-OFF flag despite the key's name: 0 sounds play, anything else silent.
inline constexpr NumberSetting kSoundOff{"SoundOn", 0, kNumberChars};
// "1" as the first character hides the tips at start; anything else shows them.
inline constexpr TextSetting kShowTips{"ShowTips", "", kShowTipsChars};
// Index of the next tip picture; the tips dialog wraps it.
inline constexpr NumberSetting kTipsNumber{"TipsNumber", 0, kNumberChars};
// The name most recently entered for the best results.
inline constexpr TextSetting kLastName{"LasName", "    ", kNameChars};

// The tile set as stored under "Skin". Unchanged: absent or any other
// number, which leaves the engine's initial tiles (Grass); never written.
enum class Skin { Grass = 0, Sand = 1, Unchanged = -1 };

// Converts a stored number: skips leading white space, takes an optional
// sign and the decimal digits up to the first other character; no digits
// give 0. A value beyond the 32-bit range saturates at INT_MIN or INT_MAX.
int ParseInt(std::string_view text);
// "%d": a minus sign for negative values, no leading zeros, no spaces.
std::string FormatInt(int value);
// The first `maxChars` characters of UTF-8 `text`, never splitting a character.
std::string_view CutToChars(std::string_view text, std::size_t maxChars);

// Generic access, for any key.
int ReadInt(platform::ISettingsStore& store, std::string_view key, int fallback,
            std::size_t maxChars = kNumberChars);
void WriteInt(platform::ISettingsStore& store, std::string_view key, int value);
std::string ReadText(platform::ISettingsStore& store, std::string_view key,
                     std::string_view fallback, std::size_t maxChars);
void WriteText(platform::ISettingsStore& store, std::string_view key, std::string_view text,
               std::size_t maxChars);

// The settings, one pair each.
int ReadSize(platform::ISettingsStore& store);  // always one of the five board sizes
void WriteSize(platform::ISettingsStore& store, int n);
int ReadNumber(platform::ISettingsStore& store);  // as stored; see ClampCount
int ReadNumber(platform::ISettingsStore& store, int size);  // clamped to the size's range
void WriteNumber(platform::ISettingsStore& store, int count);
// Both in one save, so the store never holds a size without its count.
void WriteSizeAndNumber(platform::ISettingsStore& store, int n, int count);
Skin ReadSkin(platform::ISettingsStore& store);
void WriteSkin(platform::ISettingsStore& store, Skin skin);  // Unchanged writes nothing
int ReadSoundOff(platform::ISettingsStore& store);  // as converted: 0 on, other values off
void WriteSoundOff(platform::ISettingsStore& store, int soundOff);
bool ReadTipsHidden(platform::ISettingsStore& store);  // true: no tips at start
void WriteTipsHidden(platform::ISettingsStore& store, bool hidden);
int ReadTipsNumber(platform::ISettingsStore& store);  // as stored, not wrapped
void WriteTipsNumber(platform::ISettingsStore& store, int index);
std::string ReadLastName(platform::ISettingsStore& store);  // present but empty stays empty
void WriteLastName(platform::ISettingsStore& store, std::string_view name);

// The glimble count brought into the range of a board of edge `size`: N / 2 to N.
int ClampCount(int count, int size);

// What the engine is made from at the first paint, read in the order
// "Size", "Number", "Skin", "SoundOn"; the count already clamped.
struct StartSettings {
    int size;       // one of the five board sizes
    int count;      // within the size's range
    Skin skin;      // Unchanged: keep the engine's initial tiles
    int soundOff;   // 0 sounds play, anything else silent
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

// "%d_%d_%d_%d/Rez" and "%d_%d_%d_%d/Name" of the place.
std::string ResultScoreKey(const ResultPlace& at);
std::string ResultNameKey(const ResultPlace& at);
int ReadResultScore(platform::ISettingsStore& store, const ResultPlace& at);  // 0 when absent
void WriteResultScore(platform::ISettingsStore& store, const ResultPlace& at, int score);
std::string ReadResultName(platform::ISettingsStore& store, const ResultPlace& at);  // "" when absent
void WriteResultName(platform::ISettingsStore& store, const ResultPlace& at, std::string_view name);

}  // namespace game_settings
