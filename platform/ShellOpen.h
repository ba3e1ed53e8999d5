#pragma once

#include <string>

namespace platform {

// Hands a web address or a local file to the desktop (the user's browser).
class IShellOpen {
public:
    virtual ~IShellOpen() = default;
    // True when the desktop took the address.
    virtual bool OpenUrl(const std::string& url) = 0;
    // True when the local file exists and the desktop took it.
    virtual bool OpenFile(const std::string& path) = 0;
};

}  // namespace platform
