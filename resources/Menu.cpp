#include "resources/Menu.h"

#include <array>
#include <cstddef>
#include <iterator>

#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"

namespace res {
namespace {

constexpr MenuItem kGame[] = {
    {"&New\tCtrl+N", ID_FILE_NEW, {}},
    {"Show Tips", ID_SHOW_TIPS, {}},
    {"E&xit", ID_APP_EXIT, {}},
};

// One item a board size, smallest first.
constexpr auto kSetSize = [] {
    std::array<MenuItem, std::size(kBoardSizes)> items{};
    for (std::size_t i = 0; i < items.size(); ++i) items[i] = {kBoardSizes[i].name, kBoardSizes[i].command, {}};
    return items;
}();

constexpr MenuItem kTiles[] = {
    {"Grass", ID_TILES_GRASS, {}},
    {"Sand", ID_TILES_SAND, {}},
};

constexpr MenuItem kOptions[] = {
    {"Set Size", 0, kSetSize},
    {"Number of Glimbles", ID_NUMBER_OF_GLIMBLES, {}},
    {"Tiles", 0, kTiles},
    {"Sound", ID_SOUND, {}},
};

constexpr MenuItem kHelp[] = {
    {"&About ...", ID_APP_ABOUT, {}},
    {"Help\tF1", ID_HELP, {}},
    {"Best Results ...", ID_BEST_RESULTS, {}},
};

constexpr MenuItem kMenuBar[] = {
    {"Game", 0, kGame},
    {"Options", 0, kOptions},
    {"&Help", 0, kHelp},
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
