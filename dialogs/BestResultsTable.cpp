#include "dialogs/BestResultsTable.h"

#include "resources/ResourceIds.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace best_results {
namespace {

game_settings::ResultPlace PlaceOf(const TableKey& key, int place) { return {key.columns, key.rows, key.count, place}; }

// The smallest score that is recorded at all.
constexpr int kLowestRecordedScore = 1;

// What one result changes, kept until the name is known and then saved at
// once: a game interrupted while the prompt is open leaves the table as it was.
class ResultSave {
public:
    template <typename Setting, typename Value>
    void Add(const Setting& setting, const Value& value) {
        if (std::optional<std::string> text = game_settings::TextToWrite(setting, value)) {
            m_changes.emplace_back(std::string(setting.key), std::move(*text));
        }
    }
    void SaveTo(platform::ISettingsStore& store) const {
        std::vector<platform::SettingsChange> changes;
        changes.reserve(m_changes.size());
        for (const auto& [key, text] : m_changes) changes.push_back({key, text});
        if (!changes.empty()) store.WriteAll(changes);
    }

private:
    std::vector<std::pair<std::string, std::string>> m_changes;  // keys and texts, in the order made
};

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
    std::optional<std::string> lastName;  // entered for this result, not yet saved
    ResultSave save;                      // the store is read as it was before this result throughout

    for (int i = 0; i < game_settings::kResultPlaces; ++i) {
        const game_settings::ResultPlace at = PlaceOf(key, i);
        const int storedScore = game_settings::Read(store, game_settings::ResultScore(at));
        if (carriedScore < storedScore) continue;  // a tie goes ahead of the older score

        // From the place taken down every place is written, empty ones as 0 and
        // "": a table with a result in it holds all ten places in the store.
        save.Add(game_settings::ResultScore(at), carriedScore);
        if (carriedName.empty() && carriedScore > 0) {
            // The offered name is read before the sound, as the prompt opens;
            // a second prompt offers the name the first one took.
            const std::string offered = lastName ? *lastName : game_settings::Read(store, game_settings::kLastName);
            playWave(res::kSoundBest);
            nameAsked = true;
            carriedName = askName(offered);
            lastName = game_settings::TextToWrite(game_settings::kLastName, carriedName);
            save.Add(game_settings::kLastName, carriedName);
        }
        carriedScore = storedScore;
        std::string oldName = game_settings::Read(store, game_settings::ResultName(at));
        save.Add(game_settings::ResultName(at), carriedName);
        carriedName = std::move(oldName);
    }
    // Whatever is still carried past the tenth place is dropped.
    save.SaveTo(store);
    if (!nameAsked) playWave(res::kSoundWin);
}

bool EarnsPlace(platform::ISettingsStore& store, const TableKey& key, int score) {
    if (score < kLowestRecordedScore) return false;
    // RecordResult takes the first place whose score this one equals or beats.
    const Table table = Load(store, key);
    return std::any_of(table.begin(), table.end(), [score](const Entry& entry) { return score >= entry.score; });
}

}  // namespace best_results
