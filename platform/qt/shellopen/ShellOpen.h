#pragma once

#include "platform/ShellOpen.h"

namespace platform::qt {

// Opens addresses with the desktop's default handler.
class ShellOpen final : public IShellOpen {
public:
    bool OpenUrl(const std::string& url) override;
};

}  // namespace platform::qt
