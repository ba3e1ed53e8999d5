#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "engine/Settings.h"
#include "platform/SettingsStore.h"

// The ten best results kept for every board and glimble count. Nothing is
// cached: every use reads the store afresh, and a result's changes reach it
// in one save.
namespace best_results {

// Which table: the board's columns, rows and glimble count, always in this order.
struct TableKey {
    int columns;
    int rows;
    int count;
};

// One place of a table. A place never written reads as the empty name and 0.
struct Entry {
    std::string name;  // the player's name, at most game_settings::kNameChars characters
    int score = 0;     // higher is better
    friend bool operator==(const Entry&, const Entry&) = default;
};

// Place 1, the best, first.
using Table = std::array<Entry, game_settings::kResultPlaces>;

// Asks the player for a name. Gets the name to offer (the last one entered,
// or four spaces) and returns the name to record: the edited text on OK, the
// offered one when the prompt is dismissed.
using NamePrompt = std::function<std::string(const std::string& offered)>;

// Plays one of the game's sounds by name; the caller honours the sound switch.
using WavePlayer = std::function<void(std::string_view name)>;

// Reads the table for `key`; absent or unreadable places keep their empty
// name and 0.
Table Load(platform::ISettingsStore& store, const TableKey& key);

// Ranks a won game's score into its table. A score below 1 does nothing at
// all. Otherwise the score takes the first place whose stored score it equals
// or beats, every entry from there on moves down one place and the tenth
// falls out; "BEST" plays and the player is asked for a name each time an
// entry with a positive score and no name is written, and "WIN" plays when
// the score earned no place. The places moved, the new score, its name and
// the last name entered are saved together once the last prompt closes, so a
// game ended while a prompt is open leaves the table as it was.
void RecordResult(platform::ISettingsStore& store, const TableKey& key, int score, const NamePrompt& askName,
                  const WavePlayer& playWave);

// Whether RecordResult would give `score` a place in the table for `key` (and
// ask for a name), told before it does; nothing is written.
bool EarnsPlace(platform::ISettingsStore& store, const TableKey& key, int score);

}  // namespace best_results
