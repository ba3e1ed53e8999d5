#pragma once

#include <string>
#include <vector>

#include "platform/ShellOpen.h"

namespace platform::fake {

// Records what would have been handed to the desktop; answers as told.
class RecordingShellOpen final : public IShellOpen {
public:
    bool OpenUrl(const std::string& url) override {
        urls.push_back(url);
        return accept;
    }

    std::vector<std::string> urls;
    bool accept = true;  // false: the desktop refuses, as with no browser
};

}  // namespace platform::fake
