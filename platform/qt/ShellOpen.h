#pragma once

#include "platform/ShellOpen.h"

namespace platform::qt {

// Opens addresses and files with the desktop's default handler.
class ShellOpen final : public IShellOpen {
public:
    bool OpenUrl(const std::string& url) override;
    bool OpenFile(const std::string& path) override;
};

}  // namespace platform::qt
