#pragma once

#include <QString>

#include <string_view>

namespace platform::qt {

// The game keeps its texts in UTF-8; Qt shows them from a QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace platform::qt
