#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SettingsStore.h"

namespace platform::fake {

// A settings store kept in memory that logs every read and write in order,
// so tests can check what was read, what was written and when (for example
// that nothing is written at start-up), and which keys were saved together.
class MemorySettingsStore final : public ISettingsStore {
public:
    struct WriteRecord {
        std::string key;
        std::string text;
        friend bool operator==(const WriteRecord&, const WriteRecord&) = default;
    };

    std::optional<std::string> Read(std::string_view key) override {
        reads.emplace_back(key);
        const auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }

    void WriteAll(std::span<const SettingsChange> changes) override {
        saves.push_back(changes.size());
        for (const SettingsChange& change : changes) {
            writes.push_back({std::string(change.key), std::string(change.text)});
            if (!failWrites) values.insert_or_assign(std::string(change.key), std::string(change.text));
        }
    }

    std::map<std::string, std::string, std::less<>> values;  // what the store holds; tests may fill it
    std::vector<std::string> reads;                          // every key read, in order
    std::vector<WriteRecord> writes;                         // every key written, in order
    std::vector<std::size_t> saves;                          // how many keys each save wrote, in order
    bool failWrites = false;  // true: writes are logged but change nothing, like a read-only store
};

}  // namespace platform::fake
