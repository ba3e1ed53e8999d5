#pragma once

#include <string_view>

// A text the player reads or hears: its English words, which stay the source
// of every translation, and the context a translator finds it under (where in
// the game it appears). The program shows it in the player's language.
namespace res {

struct Text {
    const char* context = "";  // the translators' context: "Game menu", "Tips dialog", ...
    const char* english = "";  // the words as an English player sees them

    constexpr std::string_view English() const { return english; }
    // English where no translation is wanted: tests, logs and the tools.
    constexpr operator std::string_view() const { return english; }  // NOLINT(google-explicit-constructor)
    friend constexpr bool operator==(const Text& text, std::string_view words) { return text.English() == words; }
};

}  // namespace res

// Marks `english` as a text for translation under `context`. The translation
// tools read every use of this macro (as Qt's QT_TRANSLATE_NOOP), so both
// arguments must be string literals.
#define GLIMBLES_TEXT(context, english) (::res::Text{context, english})
