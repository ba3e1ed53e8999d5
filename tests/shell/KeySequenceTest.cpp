// The key table's entries as Qt shortcuts.
#include <gtest/gtest.h>

#include <string>

#include "resources/KeyTable.h"
#include "shell/KeySequence.h"

namespace {

TEST(KeySequences, EveryKeyEntryBecomesItsQtShortcut) {
    // Qt's portable names: Delete is "Del", Insert "Ins".
    const char* const want[] = {"Ctrl+N",    "Ctrl+O",    "Ctrl+S",  "Ctrl+Z",   "Alt+Backspace",
                                "Ctrl+X",    "Shift+Del", "Ctrl+C",  "Ctrl+Ins", "Ctrl+V",
                                "Shift+Ins", "F6",        "Shift+F6"};
    const auto table = res::KeyTable();
    ASSERT_EQ(table.size(), std::size(want));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(KeySequenceOf(table[i]).toString(QKeySequence::PortableText).toStdString(), want[i]);
    }
}

TEST(KeySequences, EveryLetterMapsToItsKey) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QKeySequence seq = KeySequenceOf({res::kNoModifier, static_cast<res::Key>(c), 0});
        EXPECT_EQ(seq.toString(QKeySequence::PortableText).toStdString(), std::string(1, c));
    }
}

}  // namespace
