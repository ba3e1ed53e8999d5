#include "resources/KeyTable.h"

#include "resources/CommandIds.h"

namespace res {
namespace {

constexpr KeyEntry kKeys[] = {
    {kCtrl, Key::N, ID_FILE_NEW},       {kCtrl, Key::O, ID_FILE_OPEN},        {kCtrl, Key::S, ID_FILE_SAVE},
    {kCtrl, Key::Z, ID_EDIT_UNDO},      {kAlt, Key::Backspace, ID_EDIT_UNDO}, {kCtrl, Key::X, ID_EDIT_CUT},
    {kShift, Key::Delete, ID_EDIT_CUT}, {kCtrl, Key::C, ID_EDIT_COPY},        {kCtrl, Key::Insert, ID_EDIT_COPY},
    {kCtrl, Key::V, ID_EDIT_PASTE},     {kShift, Key::Insert, ID_EDIT_PASTE}, {kNoModifier, Key::F6, ID_NEXT_PANE},
    {kShift, Key::F6, ID_PREV_PANE},
};

struct ModifierName {
    Modifiers flag;
    const char* name;
};
constexpr ModifierName kModifierNames[] = {{kCtrl, "Ctrl+"}, {kShift, "Shift+"}, {kAlt, "Alt+"}};

struct NamedKey {
    Key key;
    const char* name;
};
constexpr NamedKey kNamedKeys[] = {
    {Key::Backspace, "Backspace"}, {Key::Insert, "Insert"}, {Key::Delete, "Delete"}, {Key::F6, "F6"}};

}  // namespace

std::span<const KeyEntry> KeyTable() { return kKeys; }

std::string KeyName(Key key) {
    for (const NamedKey& k : kNamedKeys) {
        if (k.key == key) return k.name;
    }
    const auto code = static_cast<char>(key);
    if (code >= 'A' && code <= 'Z') return std::string(1, code);
    return {};
}

std::string ShortcutName(const KeyEntry& entry) {
    std::string text;
    for (const ModifierName& m : kModifierNames) {
        if (entry.modifiers & m.flag) text += m.name;
    }
    return text + KeyName(entry.key);
}

}  // namespace res
