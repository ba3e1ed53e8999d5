#pragma once

#include <cstdint>
#include <string_view>

#include "platform/DrawSurface.h"
#include "platform/SoundOutput.h"
#include "platform/TickSource.h"

// Outputs that do the least a real one must: count what reaches them, so a
// benchmark measures the engine and not the drawing or the sound system.
namespace bench {

class CountingSurface final : public platform::IDrawSurface {
public:
    void CopyBitmap(int, platform::Rect, platform::Rect) override { ++copies; }
    std::int64_t copies = 0;
};

class CountingSound final : public platform::ISoundOutput {
public:
    void PlayWave(std::string_view) override { ++sounds; }
    std::int64_t sounds = 0;
};

class SettableTicks final : public platform::ITickSource {
public:
    std::uint32_t GetTickCount() override { return value; }
    std::uint32_t value = 1;
};

}  // namespace bench
