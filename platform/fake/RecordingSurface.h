#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DrawSurface.h"
#include "platform/SoundOutput.h"
#include "platform/TickSource.h"

namespace platform::fake {

// One thing that reached a surface or the sound output, in order.
struct Event {
    enum class Kind { Copy, Sound };
    Kind kind = Kind::Copy;
    int bitmap = 0;
    Rect src;
    Rect dst;
    std::string sound;  // the WAVE name, for Kind::Sound

    friend bool operator==(const Event&, const Event&) = default;
};

// A shared, ordered log of copies and sounds, so tests can check that a sound
// came between two particular tile draws.
class EventLog {
public:
    std::vector<Event> events;
    void Clear() { events.clear(); }
};

// A surface that counts every copy instead of drawing it, and records each
// in the log when it has one. Without a log it does the least a surface must,
// so a benchmark measures the engine and not the drawing.
class RecordingSurface final : public IDrawSurface {
public:
    RecordingSurface() = default;
    explicit RecordingSurface(EventLog& log) : m_log(&log) {}
    void CopyBitmap(int bitmapId, Rect src, Rect dst) override {
        ++copies;
        if (m_log != nullptr) m_log->events.push_back({Event::Kind::Copy, bitmapId, src, dst, {}});
    }
    std::int64_t copies = 0;

private:
    EventLog* m_log = nullptr;
};

// A sound output that counts every sound started, and records each in the
// log when it has one; silent either way.
class RecordingSound final : public ISoundOutput {
public:
    RecordingSound() = default;
    explicit RecordingSound(EventLog& log) : m_log(&log) {}
    void PlayWave(std::string_view name) override {
        ++sounds;
        if (m_log != nullptr) m_log->events.push_back({Event::Kind::Sound, 0, {}, {}, std::string(name)});
    }
    std::int64_t sounds = 0;

private:
    EventLog* m_log = nullptr;
};

// A tick counter that reads whatever the test sets.
class FixedTickSource final : public ITickSource {
public:
    explicit FixedTickSource(std::uint32_t ticks = 1) : value(ticks) {}
    std::uint32_t GetTickCount() override { return value; }
    std::uint32_t value;
};

}  // namespace platform::fake
