#include "resources/Strings.h"

#include <cstddef>

#include "resources/ResourceIds.h"

namespace res {
namespace {

struct StringEntry {
    int id;
    Text text;  // with no context: a name that stays as it is in every language
};

constexpr StringEntry kStrings[] = {
    {IDR_MAINFRAME, {"", "Glimbles\nGlimbles\nglimbles\n\n\nglimbles.Document\nglimbles Document"}},
    {AFX_IDS_APP_TITLE, {"", "glimbles"}},
    {IDS_FAILED_TO_LAUNCH_HELP, GLIMBLES_TEXT("Messages", "Failed to launch help.")},
};

}  // namespace

std::optional<Text> FindString(int id) {
    for (const StringEntry& s : kStrings) {
        if (s.id == id) return s.text;
    }
    return std::nullopt;
}

std::string_view DocumentField(DocField field) {
    std::string_view rest = FindString(IDR_MAINFRAME)->English();
    for (int i = 0; i < static_cast<int>(field); ++i) {
        const std::size_t newline = rest.find('\n');
        if (newline == std::string_view::npos) return {};
        rest.remove_prefix(newline + 1);
    }
    return rest.substr(0, rest.find('\n'));
}

}  // namespace res
