#include "shell/KeySequence.h"

namespace {

struct NamedKey {
    res::Key key;
    Qt::Key qtKey;
};
constexpr NamedKey kNamedKeys[] = {
    {res::Key::Backspace, Qt::Key_Backspace},
    {res::Key::Insert, Qt::Key_Insert},
    {res::Key::Delete, Qt::Key_Delete},
    {res::Key::F6, Qt::Key_F6},
};

struct ModifierFlag {
    res::Modifiers flag;
    Qt::KeyboardModifier qtModifier;
};
constexpr ModifierFlag kModifiers[] = {
    {res::kCtrl, Qt::ControlModifier},
    {res::kShift, Qt::ShiftModifier},
    {res::kAlt, Qt::AltModifier},
};

}  // namespace

QKeySequence KeySequenceOf(const res::KeyEntry& entry) {
    int qtKey = 0;
    for (const NamedKey& k : kNamedKeys) {
        if (k.key == entry.key) qtKey = k.qtKey;
    }
    const auto code = static_cast<int>(entry.key);
    if (qtKey == 0 && code >= 'A' && code <= 'Z') qtKey = Qt::Key_A + (code - 'A');
    if (qtKey == 0) return {};

    Qt::KeyboardModifiers modifiers;
    for (const ModifierFlag& m : kModifiers) {
        if (entry.modifiers & m.flag) modifiers |= m.qtModifier;
    }
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(qtKey)));
}
