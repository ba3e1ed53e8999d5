#include "resources/Menu.h"

#include <array>
#include <cstddef>
#include <iterator>

#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"

namespace res {
namespace {

constexpr MenuItem kGame[] = {
    {GLIMBLES_TEXT("Game menu", "&New\tCtrl+N"), ID_FILE_NEW, {}},
    {GLIMBLES_TEXT("Game menu", "Show Tips"), ID_SHOW_TIPS, {}},
    {GLIMBLES_TEXT("Game menu", "E&xit"), ID_APP_EXIT, {}},
};

// One item a board size, smallest first.
constexpr auto kSetSize = [] {
    std::array<MenuItem, std::size(kBoardSizes)> items{};
    for (std::size_t i = 0; i < items.size(); ++i) items[i] = {kBoardSizes[i].name, kBoardSizes[i].command, {}};
    return items;
}();

constexpr MenuItem kTiles[] = {
    {GLIMBLES_TEXT("Tiles menu", "Grass"), ID_TILES_GRASS, {}},
    {GLIMBLES_TEXT("Tiles menu", "Sand"), ID_TILES_SAND, {}},
};

constexpr MenuItem kOptions[] = {
    {GLIMBLES_TEXT("Options menu", "Set Size"), 0, kSetSize},
    {kNumberOfGlimbles, ID_NUMBER_OF_GLIMBLES, {}},
    {GLIMBLES_TEXT("Options menu", "Tiles"), 0, kTiles},
    {GLIMBLES_TEXT("Options menu", "Sound"), ID_SOUND, {}},
};

constexpr MenuItem kHelp[] = {
    {GLIMBLES_TEXT("Help menu", "&About ..."), ID_APP_ABOUT, {}},
    {GLIMBLES_TEXT("Help menu", "Help\tF1"), ID_HELP, {}},
    {GLIMBLES_TEXT("Help menu", "Best Results ..."), ID_BEST_RESULTS, {}},
};

constexpr MenuItem kMenuBar[] = {
    {GLIMBLES_TEXT("Menu bar", "Game"), 0, kGame},
    {GLIMBLES_TEXT("Menu bar", "Options"), 0, kOptions},
    {GLIMBLES_TEXT("Menu bar", "&Help"), 0, kHelp},
};

const MenuItem* FindIn(std::span<const MenuItem> items, int command) {
    for (const MenuItem& item : items) {
        if (item.IsPopup()) {
            if (const MenuItem* found = FindIn(item.items, command)) return found;
        } else if (item.command == command) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const MenuItem> MainMenu() { return kMenuBar; }

const MenuItem* FindMenuItem(int command) {
    if (command == 0) return nullptr;  // 0 marks pop-ups, never a command
    return FindIn(kMenuBar, command);
}

}  // namespace res
