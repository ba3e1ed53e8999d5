#pragma once

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

// A surface that records every copy instead of drawing it.
class RecordingSurface final : public IDrawSurface {
public:
    explicit RecordingSurface(EventLog& log) : m_log(log) {}
    void CopyBitmap(int bitmapId, Rect src, Rect dst) override {
        m_log.events.push_back({Event::Kind::Copy, bitmapId, src, dst, {}});
    }

private:
    EventLog& m_log;
};

// A sound output that records every sound started.
class RecordingSound final : public ISoundOutput {
public:
    explicit RecordingSound(EventLog& log) : m_log(log) {}
    void PlayWave(std::string_view name) override {
        m_log.events.push_back({Event::Kind::Sound, 0, {}, {}, std::string(name)});
    }

private:
    EventLog& m_log;
};

// A tick counter that reads whatever the test sets.
class FixedTickSource final : public ITickSource {
public:
    explicit FixedTickSource(std::uint32_t ticks = 1) : value(ticks) {}
    std::uint32_t GetTickCount() override { return value; }
    std::uint32_t value;
};

}  // namespace platform::fake
