#pragma once

#include <span>
#include <string_view>

#include "resources/Text.h"

// Menu 128, the main window's menu bar, as data: the shell builds its menus
// from this table.
namespace res {

struct MenuItem {
    // The text as shown: "&" marks the access letter, "\t" sets the key name
    // apart at the right of the item.
    Text text;
    // The command sent when the item is chosen; 0 for a pop-up or sub-menu.
    int command;
    // A pop-up's or sub-menu's items in screen order; empty for a command.
    std::span<const MenuItem> items;

    constexpr bool IsPopup() const { return !items.empty(); }
};

// The item that opens the count dialog; its words also name the number there.
inline constexpr Text kNumberOfGlimbles = GLIMBLES_TEXT("Options menu", "Number of Glimbles");

// The pop-ups of the menu bar, left to right: "Game", "Options", "&Help".
// The menu has no separators; every item is enabled when it opens.
std::span<const MenuItem> MainMenu();

// The command item that sends `command`, searched through every sub-menu, or
// nullptr when no item sends it.
const MenuItem* FindMenuItem(int command);

}  // namespace res
