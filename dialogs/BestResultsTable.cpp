#include "dialogs/BestResultsTable.h"

#include "resources/ResourceIds.h"

namespace best_results {
namespace {

game_settings::ResultPlace PlaceOf(const TableKey& key, int place) {
    return {key.columns, key.rows, key.count, place};
}

// The smallest score that is recorded at all.
constexpr int kLowestRecordedScore = 1;

}  // namespace

Table Load(platform::ISettingsStore& store, const TableKey& key) {
    Table table;
    for (int i = 0; i < game_settings::kResultPlaces; ++i) {
        const game_settings::ResultPlace at = PlaceOf(key, i);
        Entry& entry = table[static_cast<std::size_t>(i)];
        entry.name = game_settings::ReadResultName(store, at);
        entry.score = game_settings::ReadResultScore(store, at);
    }
    return table;
}

void RecordResult(platform::ISettingsStore& store, const TableKey& key, int score,
                  const NamePrompt& askName, const WavePlayer& playWave) {
    if (score < kLowestRecordedScore) return;

    // The entry being carried down the table: first the new result, then
    // each older entry it pushes out of its place.
    int carriedScore = score;
    std::string carriedName;
    bool nameAsked = false;

    for (int i = 0; i < game_settings::kResultPlaces; ++i) {
        const game_settings::ResultPlace at = PlaceOf(key, i);
        const int storedScore = game_settings::ReadResultScore(store, at);
        if (carriedScore < storedScore) continue;  // a tie goes ahead of the older score

        game_settings::WriteResultScore(store, at, carriedScore);
        if (carriedName.empty() && carriedScore > 0) {
            // The offered name is read before the sound, as the prompt opens.
            const std::string offered = game_settings::ReadLastName(store);
            playWave(res::kSoundBest);
            nameAsked = true;
            carriedName = askName(offered);
            game_settings::WriteLastName(store, carriedName);
        }
        carriedScore = storedScore;
        std::string oldName = game_settings::ReadResultName(store, at);
        game_settings::WriteResultName(store, at, carriedName);
        carriedName = std::move(oldName);
    }
    // Whatever is still carried past the tenth place is dropped.
    if (!nameAsked) playWave(res::kSoundWin);
}

}  // namespace best_results
