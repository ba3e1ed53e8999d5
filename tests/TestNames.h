#pragma once

// Names for the cases of a parameterised test, readable in ctest's list and
// the same in every build. GoogleTest takes only letters, digits and
// underscores, so the words of a text run together, each begun with a
// capital; two numbers in a row keep an underscore between them, and a sign
// before a number is spelt out:
//   TestName("8-bit mono, odd length")  "8BitMonoOddLength"
//   TestName("init 1 -5 7")             "Init1Minus5_7"
//   TestName("size", 20, "count", 8)    "Size20Count8"
//   BoardName(8)                        "Board8x8"
// Nothing of a text that has no letter or digit is left: an empty name,
// which GoogleTest refuses as loudly as it refuses two cases of one name.

#include <cctype>
#include <sstream>
#include <string>
#include <string_view>

namespace testnames {

namespace detail {

inline bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

inline std::string FromText(std::string_view text) {
    std::string name;
    bool wordStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            if (wordStart && !name.empty() && IsDigit(name.back()) && IsDigit(c)) name += '_';
            name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            wordStart = false;
        } else if (wordStart && (c == '-' || c == '+') && i + 1 < text.size() && IsDigit(text[i + 1])) {
            name += c == '-' ? "Minus" : "Plus";
        } else {
            wordStart = true;
        }
    }
    return name;
}

}  // namespace detail

// The parts, as written to a stream and set apart by spaces, made a name.
template <typename... Parts>
std::string TestName(const Parts&... parts) {
    std::ostringstream text;
    ((text << parts << ' '), ...);
    return detail::FromText(text.str());
}

// A square board of n tiles across and down: "Board8x8".
inline std::string BoardName(int n) { return "Board" + std::to_string(n) + "x" + std::to_string(n); }

}  // namespace testnames
