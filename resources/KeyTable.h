#pragma once

#include <cstdint>
#include <span>
#include <string>

// Key table 128: the keyboard shortcuts of the main window. All entries are
// virtual-key entries (a key and modifiers, not a typed character).
namespace res {

// The keys the table uses. Letters carry their upper-case character code.
enum class Key : std::uint8_t {
    A = 'A',
    B,
    C,
    D,
    E,
    F,
    G,
    H,
    I,
    J,
    K,
    L,
    M,
    N,
    O,
    P,
    Q,
    R,
    S,
    T,
    U,
    V,
    W,
    X,
    Y,
    Z = 'Z',
    Backspace = 0x80,
    Insert,
    Delete,
    F6,
};

// Modifier flags, combined with |.
using Modifiers = std::uint8_t;
inline constexpr Modifiers kNoModifier = 0;
inline constexpr Modifiers kCtrl = 1;
inline constexpr Modifiers kShift = 2;
inline constexpr Modifiers kAlt = 4;

struct KeyEntry {
    Modifiers modifiers;
    Key key;
    int command;  // the command the key sends, as if chosen from the menu
};

// Every entry, in table order.
std::span<const KeyEntry> KeyTable();

// The key's name as a menu shows it: "A" to "Z", "Backspace", "Insert",
// "Delete", "F6".
std::string KeyName(Key key);

// The whole shortcut as a menu shows it, modifiers first in the order Ctrl,
// Shift, Alt: "Ctrl+N", "Shift+Delete", "Alt+Backspace".
std::string ShortcutName(const KeyEntry& entry);

}  // namespace res
