#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// One key and the text to store under it.
struct SettingsChange {
    std::string_view key;
    std::string_view text;
};

// The current user's persistent store of settings: a set of keys, each
// holding one text. Keys are paths with "/" between their parts, such as
// "Size" or "8_8_8_0/Rez". Texts are UTF-8 and kept exactly as written.
//
// There is no in-memory copy of the settings anywhere in the game: every
// reader asks the store when it needs a value, and every writer writes the
// moment a setting changes, so a second running copy sees the change.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // The text stored under `key`, or nullopt when the key is absent or the
    // store cannot be read.
    virtual std::optional<std::string> Read(std::string_view key) = 0;

    // Stores every change in one save: afterwards the store holds all of them,
    // or, when the save fails, none, and the stored values stay as they were.
    // A failed save is dropped silently. A save that has to wait for another
    // copy's may land later, with this store's next changes; reads through
    // this store see it meanwhile. A key named twice keeps its last text.
    virtual void WriteAll(std::span<const SettingsChange> changes) = 0;

    // Stores `text` under `key` at once: a save of that one change.
    void Write(std::string_view key, std::string_view text) {
        const SettingsChange change{key, text};
        WriteAll({&change, 1});
    }
};

}  // namespace platform
