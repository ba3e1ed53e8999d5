#pragma once

#include <string>

namespace platform {

// Hands a web address to the desktop (the user's browser).
class IShellOpen {
public:
    virtual ~IShellOpen() = default;
    // True when the desktop took the address.
    virtual bool OpenUrl(const std::string& url) = 0;
};

}  // namespace platform
