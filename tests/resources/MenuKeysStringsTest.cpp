// The menu, the key table and the strings against the catalogue, row by row.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "resources/KeyTable.h"
#include "resources/Menu.h"
#include "resources/ResourceIds.h"
#include "resources/Strings.h"

namespace {

struct MenuRow {
    std::string path;  // pop-up and sub-menu titles, joined by " > "
    std::string text;
    int command;
};

// The catalogue's menu, in screen order.
const std::vector<MenuRow> kMenuRows = {
    {"Game", "&New\tCtrl+N", 57600},
    {"Game", "Show Tips", 32787},
    {"Game", "E&xit", 57665},
    {"Options > Set Size", "Tiny", 32772},
    {"Options > Set Size", "Small", 32771},
    {"Options > Set Size", "Normal", 32778},
    {"Options > Set Size", "Big", 32773},
    {"Options > Set Size", "Huge", 32774},
    {"Options", "Number of Glimbles", 32780},
    {"Options > Tiles", "Grass", 32784},
    {"Options > Tiles", "Sand", 32785},
    {"Options", "Sound", 32786},
    {"&Help", "&About ...", 57664},
    {"&Help", "Help\tF1", 57670},
    {"&Help", "Best Results ...", 32781},
};

void Flatten(std::span<const res::MenuItem> items, const std::string& path, std::vector<MenuRow>& out) {
    for (const res::MenuItem& item : items) {
        if (item.IsPopup()) {
            EXPECT_EQ(item.command, 0) << "pop-up " << item.text.English() << " carries a command";
            Flatten(item.items, path.empty() ? std::string(item.text) : path + " > " + std::string(item.text), out);
        } else {
            out.push_back({path, std::string(item.text), item.command});
        }
    }
}

TEST(MenuTable, HoldsEveryCatalogueItemInScreenOrder) {
    std::vector<MenuRow> rows;
    Flatten(res::MainMenu(), "", rows);
    ASSERT_EQ(rows.size(), kMenuRows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i) + ": " + kMenuRows[i].text);
        EXPECT_EQ(rows[i].path, kMenuRows[i].path);
        EXPECT_EQ(rows[i].text, kMenuRows[i].text);
        EXPECT_EQ(rows[i].command, kMenuRows[i].command);
    }
}

TEST(MenuTable, MenuBarHasThreePopupsAndNoSeparators) {
    const auto bar = res::MainMenu();
    ASSERT_EQ(bar.size(), 3u);
    EXPECT_EQ(bar[0].text, "Game");
    EXPECT_EQ(bar[1].text, "Options");
    EXPECT_EQ(bar[2].text, "&Help");
    std::vector<MenuRow> rows;
    Flatten(bar, "", rows);
    for (const MenuRow& row : rows) EXPECT_FALSE(row.text.empty()) << "a separator under " << row.path;
}

TEST(MenuTable, FindMenuItemFindsEachCommandAndNothingElse) {
    for (const MenuRow& row : kMenuRows) {
        const res::MenuItem* item = res::FindMenuItem(row.command);
        ASSERT_NE(item, nullptr) << row.text;
        EXPECT_EQ(item->text, row.text);
    }
    for (const int absent : {0, -1, 1, res::ID_FILE_OPEN, res::ID_EDIT_COPY, 99999}) {
        EXPECT_EQ(res::FindMenuItem(absent), nullptr) << absent;
    }
}

TEST(MenuTable, NamedCommandIdsHaveTheCatalogueValues) {
    const std::pair<int, int> ids[] = {
        {res::ID_FILE_NEW, 57600},
        {res::ID_FILE_OPEN, 57601},
        {res::ID_FILE_SAVE, 57603},
        {res::ID_APP_EXIT, 57665},
        {res::ID_APP_ABOUT, 57664},
        {res::ID_HELP, 57670},
        {res::ID_SHOW_TIPS, 32787},
        {res::kSmallestBoard.command, 32772},
        {res::FindBoardSize(11)->command, 32771},
        {res::FindBoardSize(14)->command, 32778},
        {res::FindBoardSize(17)->command, 32773},
        {res::kLargestBoard.command, 32774},
        {res::ID_NUMBER_OF_GLIMBLES, 32780},
        {res::ID_TILES_GRASS, 32784},
        {res::ID_TILES_SAND, 32785},
        {res::ID_SOUND, 32786},
        {res::ID_BEST_RESULTS, 32781},
        {res::ID_EDIT_UNDO, 57643},
        {res::ID_EDIT_CUT, 57635},
        {res::ID_EDIT_COPY, 57634},
        {res::ID_EDIT_PASTE, 57637},
        {res::ID_NEXT_PANE, 57680},
        {res::ID_PREV_PANE, 57681},
        {res::IDOK, 1},
        {res::IDCANCEL, 2},
        {res::IDC_NAME_EDIT, 1001},
        {res::IDC_GET_MORE_GAMES, 1002},
        {res::IDC_NEXT_TIP, 1007},
        {res::IDC_DONT_SHOW_TIPS, 1008},
        {res::IDC_STATIC, -1},
        {res::IDR_MAINFRAME, 128},
    };
    for (const auto& [named, value] : ids) EXPECT_EQ(named, value);
}

struct KeyRow {
    std::string keys;
    int command;
};

// The catalogue's key table, in table order.
const std::vector<KeyRow> kKeyRows = {
    {"Ctrl+N", 57600},        {"Ctrl+O", 57601}, {"Ctrl+S", 57603},       {"Ctrl+Z", 57643},
    {"Alt+Backspace", 57643}, {"Ctrl+X", 57635}, {"Shift+Delete", 57635}, {"Ctrl+C", 57634},
    {"Ctrl+Insert", 57634},   {"Ctrl+V", 57637}, {"Shift+Insert", 57637}, {"F6", 57680},
    {"Shift+F6", 57681},
};

TEST(KeyTable, HoldsEveryCatalogueEntry) {
    const auto table = res::KeyTable();
    ASSERT_EQ(table.size(), kKeyRows.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(res::ShortcutName(table[i]), kKeyRows[i].keys) << "entry " << i;
        EXPECT_EQ(table[i].command, kKeyRows[i].command) << kKeyRows[i].keys;
    }
}

TEST(KeyTable, NoShortcutIsBoundTwice) {
    std::set<std::pair<int, int>> seen;
    for (const res::KeyEntry& e : res::KeyTable()) {
        EXPECT_TRUE(seen.insert({e.modifiers, static_cast<int>(e.key)}).second) << res::ShortcutName(e);
    }
}

TEST(KeyTable, MenuShortcutTextMatchesItsKeyEntry) {
    // "&New\tCtrl+N" must name the key that really sends ID_FILE_NEW.
    const res::MenuItem* item = res::FindMenuItem(res::ID_FILE_NEW);
    ASSERT_NE(item, nullptr);
    const auto tab = item->text.English().find('\t');
    ASSERT_NE(tab, std::string_view::npos);
    bool bound = false;
    for (const res::KeyEntry& e : res::KeyTable()) {
        if (e.command == res::ID_FILE_NEW && res::ShortcutName(e) == item->text.English().substr(tab + 1)) bound = true;
    }
    EXPECT_TRUE(bound);
}

TEST(KeyTable, KeyNamesCoverLettersAndNamedKeys) {
    EXPECT_EQ(res::KeyName(res::Key::A), "A");
    EXPECT_EQ(res::KeyName(res::Key::Z), "Z");
    EXPECT_EQ(res::KeyName(res::Key::Backspace), "Backspace");
    EXPECT_EQ(res::KeyName(res::Key::F6), "F6");
    EXPECT_EQ(res::ShortcutName({res::kCtrl | res::kShift | res::kAlt, res::Key::Q, 0}), "Ctrl+Shift+Alt+Q");
}

TEST(Strings, HoldsTheCatalogueTexts) {
    const std::pair<int, std::string_view> rows[] = {
        {128, "Glimbles\nGlimbles\nglimbles\n\n\nglimbles.Document\nglimbles Document"},
        {57344, "glimbles"},
        {61703, "Failed to launch help."},
    };
    for (const auto& [id, text] : rows) {
        const auto found = res::FindString(id);
        ASSERT_TRUE(found.has_value()) << id;
        EXPECT_EQ(*found, text) << id;
    }
}

TEST(Strings, UnknownIdsAreAbsent) {
    for (const int id : {0, -1, 127, 129, 57345, 61704, 65535}) EXPECT_FALSE(res::FindString(id).has_value()) << id;
}

TEST(Strings, DocumentStringSplitsIntoItsSevenFields) {
    using F = res::DocField;
    const std::pair<F, std::string_view> fields[] = {
        {F::WindowTitle, "Glimbles"},
        {F::DocumentName, "Glimbles"},
        {F::NewFileName, "glimbles"},
        {F::FilterName, ""},
        {F::FilterExtension, ""},
        {F::RegistryTypeId, "glimbles.Document"},
        {F::RegistryTypeName, "glimbles Document"},
    };
    for (const auto& [field, text] : fields) EXPECT_EQ(res::DocumentField(field), text) << static_cast<int>(field);
}

// The boards as the game has always offered them: edge and tile size.
TEST(BoardSizeTable, EdgesAndTileSizes) {
    const std::pair<int, int> boards[] = {{8, 40}, {11, 40}, {14, 33}, {17, 27}, {20, 23}};
    ASSERT_EQ(std::size(res::kBoardSizes), std::size(boards));
    for (std::size_t i = 0; i < std::size(boards); ++i) {
        EXPECT_EQ(res::kBoardSizes[i].n, boards[i].first);
        EXPECT_EQ(res::kBoardSizes[i].cellSize, boards[i].second);
    }
}

}  // namespace
