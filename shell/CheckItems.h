#pragma once

#include <optional>

#include "engine/Settings.h"
#include "resources/CommandIds.h"

// The Options menu's check items, each bound in one row to the option it
// sets. Choosing an item gives its option the row's value, which the view
// applies to the game and stores at once; the item is checked while the
// option has that value. A toggle's row also says what choosing it gives
// while it is checked.
namespace check_items {

// The options the items set, as the view holds them; each is stored under
// its own setting (see the view's SetOption).
enum class Option {
    Tiles,  // the index of the tile set in res::kTileSets, stored as "Skin"
    Sound,  // the sound-off flag: 0 sounds play, anything else silent; stored as "SoundOn"
};

struct CheckItem {
    int command;
    Option option;
    int checkedWhile;             // the option's value while the item is checked, and what choosing it gives
    std::optional<int> toggleTo;  // a toggle: what choosing it gives while it is checked
};

inline constexpr CheckItem kCheckItems[] = {
    {res::ID_TILES_GRASS, Option::Tiles, static_cast<int>(game_settings::Skin::Grass), {}},
    {res::ID_TILES_SAND, Option::Tiles, static_cast<int>(game_settings::Skin::Sand), {}},
    {res::ID_SOUND, Option::Sound, 0, 1},
};

// The row of the item that sends `command`, or nullptr.
constexpr const CheckItem* Find(int command) {
    for (const CheckItem& item : kCheckItems) {
        if (item.command == command) return &item;
    }
    return nullptr;
}

// The value choosing `item` gives an option that has `current` now.
constexpr int Chosen(const CheckItem& item, int current) {
    return item.toggleTo && current == item.checkedWhile ? *item.toggleTo : item.checkedWhile;
}

}  // namespace check_items
