#include "dialogs/BestResultsTable.h"

#include "resources/ResourceIds.h"

namespace best_results {
namespace {

game_settings::ResultPlace PlaceOf(const TableKey& key, int place) { return {key.columns, key.rows, key.count, place}; }

// The smallest score that is recorded at all.
constexpr int kLowestRecordedScore = 1;

}  // namespace

Table Load(platform::ISettingsStore& store, const TableKey& key) {
    Table table;
    for (int i = 0; i < game_settings::kResultPlaces; ++i) {
        const game_settings::ResultPlace at = PlaceOf(key, i);
        Entry& entry = table[static_cast<std::size_t>(i)];
        entry.name = game_settings::Read(store, game_settings::ResultName(at));
        entry.score = game_settings::Read(store, game_settings::ResultScore(at));
    }
    return table;
}

void RecordResult(platform::ISettingsStore& store, const TableKey& key, int score, const NamePrompt& askName,
                  const WavePlayer& playWave) {
    if (score < kLowestRecordedScore) return;

    // The entry being carried down the table: first the new result, then
    // each older entry it pushes out of its place.
    int carriedScore = score;
    std::string carriedName;
    bool nameAsked = false;

    for (int i = 0; i < game_settings::kResultPlaces; ++i) {
        const game_settings::ResultPlace at = PlaceOf(key, i);
        const int storedScore = game_settings::Read(store, game_settings::ResultScore(at));
        if (carriedScore < storedScore) continue;  // a tie goes ahead of the older score

        // From the place taken down every place is written, empty ones as 0 and
        // "": a table with a result in it holds all ten places in the store.
        game_settings::Write(store, game_settings::ResultScore(at), carriedScore);
        if (carriedName.empty() && carriedScore > 0) {
            // The offered name is read before the sound, as the prompt opens.
            const std::string offered = game_settings::Read(store, game_settings::kLastName);
            playWave(res::kSoundBest);
            nameAsked = true;
            carriedName = askName(offered);
            game_settings::Write(store, game_settings::kLastName, carriedName);
        }
        carriedScore = storedScore;
        std::string oldName = game_settings::Read(store, game_settings::ResultName(at));
        game_settings::Write(store, game_settings::ResultName(at), carriedName);
        carriedName = std::move(oldName);
    }
    // Whatever is still carried past the tenth place is dropped.
    if (!nameAsked) playWave(res::kSoundWin);
}

}  // namespace best_results
