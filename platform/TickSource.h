#pragma once

#include <cstdint>

namespace platform {

// The millisecond counter that seeds each new board.
class ITickSource {
public:
    virtual ~ITickSource() = default;

    // Milliseconds since the system started, wrapping at 2^32.
    virtual std::uint32_t GetTickCount() = 0;
};

// The real counter: the system's monotonic clock in milliseconds.
class SystemTickSource final : public ITickSource {
public:
    std::uint32_t GetTickCount() override;
};

}  // namespace platform
