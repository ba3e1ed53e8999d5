#include "platform/pulse/PulsePlayer.h"

#include <pulse/channelmap.h>
#include <pulse/context.h>
#include <pulse/def.h>
#include <pulse/mainloop-api.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>
#include <sys/eventfd.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <utility>

namespace platform::pulse {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// What the server keeps buffered for a stream, sink included: about how long
// a new sound takes to be heard.
constexpr pa_usec_t kBufferUsec = 50 * PA_USEC_PER_MSEC;
// A connection that is not ready this long after it was begun (a server that
// hangs) is given up by the next play, which connects anew.
constexpr auto kConnectPatience = 2s;
// A play that could not start within this, waiting for the connection, is
// dropped: the sound of a click heard late is worse than none.
constexpr auto kPlayPatience = 250ms;

// The sound server's address comes from this variable. No address, nor list
// of addresses, is meaningfully longer than this; a longer one (the library
// aborts the program on some) is refused before the library sees it, and
// then there is no sound.
constexpr char kServerVariable[] = "PULSE_SERVER";
constexpr std::size_t kLongestServerAddress = 1024;

bool ServerAddressTooLong() {
    const char* address = std::getenv(kServerVariable);
    return address != nullptr && std::strlen(address) > kLongestServerAddress;
}

// Each connection of the sound library maps a memory pool of this size (its
// default), and when the address space is too small for it (under a limit
// such as `ulimit -v`) the library says so on standard error and makes no
// connection. Address space for the pool is looked for first, without a
// word, and without it there is no connection and no sound.
constexpr std::size_t kLibraryPoolBytes = std::size_t{64} * 1024 * 1024;

bool PoolFits() {
    void* room = mmap(nullptr, kLibraryPoolBytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED) return false;
    munmap(room, kLibraryPoolBytes);
    return true;
}

// The samples belong to the player's caller and outlive the streams.
void KeepSamples(void* /*samples*/) {}

}  // namespace

class PulsePlayer::Loop {
public:
    explicit Loop(std::string client);
    ~Loop();
    Loop(const Loop&) = delete;
    Loop& operator=(const Loop&) = delete;

    // From the caller's thread: a connection is wanted, and `sound` played
    // if there is one.
    void Request(const std::optional<WaveSamples>& sound);

private:
    // Everything below runs on the sound thread, or under the loop's lock.
    static void OnWake(pa_mainloop_api* api, pa_io_event* event, int fd, pa_io_event_flags_t flags, void* self);
    static void OnContextState(pa_context* context, void* self);
    static void OnStreamState(pa_stream* stream, void* self);
    static void OnWritable(pa_stream* stream, std::size_t bytes, void* self);
    static void OnDrained(pa_stream* stream, int success, void* self);
    static void OnLeaving(pa_stream* stream, void* unused);

    void Serve();
    void EnsureContext();
    void DropContext();
    void StartWaiting();
    void StopStream();

    std::string m_client;
    pa_threaded_mainloop* m_mainloop = nullptr;
    int m_wake = -1;  // an eventfd: callers count it up, the sound thread reads it
    pa_io_event* m_wakeEvent = nullptr;
    bool m_running = false;  // the sound thread runs

    // Handed over from the callers, under m_requestMutex.
    std::mutex m_requestMutex;
    bool m_wanted = false;  // a connection, and maybe m_requested
    std::optional<WaveSamples> m_requested;
    Clock::time_point m_requestedAt;

    // The sound thread's.
    pa_context* m_context = nullptr;
    Clock::time_point m_connectBegun;
    std::optional<WaveSamples> m_waiting;  // for the connection to be ready
    Clock::time_point m_waitingSince;
    pa_stream* m_stream = nullptr;  // the sound playing, or starting
    WaveSamples m_playing;
    std::size_t m_written = 0;  // bytes of m_playing handed to the server
};

PulsePlayer::Loop::Loop(std::string client) : m_client(std::move(client)), m_mainloop(pa_threaded_mainloop_new()) {
    m_wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_mainloop == nullptr || m_wake < 0) return;
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_mainloop);
    m_wakeEvent = api->io_new(api, m_wake, PA_IO_EVENT_INPUT, &OnWake, this);
    pa_threaded_mainloop_set_name(m_mainloop, "glimbles-sound");
    m_running = m_wakeEvent != nullptr && pa_threaded_mainloop_start(m_mainloop) >= 0;
}

PulsePlayer::Loop::~Loop() {
    if (m_mainloop != nullptr) {
        if (m_running) pa_threaded_mainloop_lock(m_mainloop);
        // Closes the connection at once; the server, if any, cleans up.
        DropContext();
        if (m_wakeEvent != nullptr) pa_threaded_mainloop_get_api(m_mainloop)->io_free(m_wakeEvent);
        if (m_running) {
            pa_threaded_mainloop_unlock(m_mainloop);
            pa_threaded_mainloop_stop(m_mainloop);
        }
        pa_threaded_mainloop_free(m_mainloop);
    }
    if (m_wake >= 0) close(m_wake);
}

void PulsePlayer::Loop::Request(const std::optional<WaveSamples>& sound) {
    {
        const std::lock_guard lock(m_requestMutex);
        m_wanted = true;
        if (sound) {
            m_requested = sound;
            m_requestedAt = Clock::now();
        }
    }
    if (m_wake < 0) return;
    const std::uint64_t one = 1;
    // Never blocks; a counter too full to add to wakes the thread anyway.
    [[maybe_unused]] const ssize_t written = write(m_wake, &one, sizeof one);
}

void PulsePlayer::Loop::OnWake(pa_mainloop_api* /*api*/, pa_io_event* /*event*/, int fd, pa_io_event_flags_t /*flags*/,
                               void* self) {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = read(fd, &count, sizeof count);
    static_cast<Loop*>(self)->Serve();
}

void PulsePlayer::Loop::Serve() {
    std::optional<WaveSamples> sound;
    Clock::time_point at;
    {
        const std::lock_guard lock(m_requestMutex);
        if (!std::exchange(m_wanted, false)) return;
        sound = std::exchange(m_requested, std::nullopt);
        at = m_requestedAt;
    }
    EnsureContext();
    if (sound) {
        m_waiting = sound;
        m_waitingSince = at;
    }
    StartWaiting();
}

// Keeps a connection that is ready or young; otherwise begins a new one.
// Connecting to a missing local socket fails at once, within this call.
void PulsePlayer::Loop::EnsureContext() {
    if (m_context != nullptr) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY) return;
        if (PA_CONTEXT_IS_GOOD(state) && Clock::now() - m_connectBegun < kConnectPatience) return;
        DropContext();
    }
    if (ServerAddressTooLong() || !PoolFits()) return;
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), m_client.c_str());
    if (m_context == nullptr) return;
    pa_context_set_state_callback(m_context, &OnContextState, this);
    m_connectBegun = Clock::now();
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) DropContext();
}

void PulsePlayer::Loop::DropContext() {
    if (m_context == nullptr) return;
    StopStream();
    pa_context* context = std::exchange(m_context, nullptr);
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);  // ends every stream still on it
    pa_context_unref(context);
}

void PulsePlayer::Loop::OnContextState(pa_context* /*context*/, void* self) {
    // Ready: the sound waiting starts. Failed: it is dropped, and the
    // connection is made anew by the next play.
    static_cast<Loop*>(self)->StartWaiting();
}

void PulsePlayer::Loop::StartWaiting() {
    if (!m_waiting) return;
    const pa_context_state_t state = m_context != nullptr ? pa_context_get_state(m_context) : PA_CONTEXT_FAILED;
    if (!PA_CONTEXT_IS_GOOD(state)) {
        m_waiting.reset();  // no server: nothing to hear
        return;
    }
    if (state != PA_CONTEXT_READY) return;  // starts once it is
    const WaveSamples sound = *std::exchange(m_waiting, std::nullopt);
    if (Clock::now() - m_waitingSince > kPlayPatience) return;

    StopStream();
    pa_sample_spec streamFormat{};
    streamFormat.format = sound.format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    streamFormat.rate = static_cast<std::uint32_t>(sound.format.sampleRate);
    streamFormat.channels = static_cast<std::uint8_t>(sound.format.channels);
    pa_channel_map map{};
    if (pa_sample_spec_valid(&streamFormat) == 0 ||
        pa_channel_map_init_extend(&map, streamFormat.channels, PA_CHANNEL_MAP_WAVEEX) == nullptr) {
        return;
    }
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    m_stream = pa_stream_new_with_proplist(m_context, "sound", &streamFormat, &map, properties);
    pa_proplist_free(properties);
    if (m_stream == nullptr) return;
    m_playing = sound;
    m_written = 0;
    pa_stream_set_state_callback(m_stream, &OnStreamState, this);
    pa_stream_set_write_callback(m_stream, &OnWritable, this);
    // Buffered no deeper than kBufferUsec, the sink included; the rest is
    // handed over as the server asks for it.
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kBufferUsec, &streamFormat));
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        StopStream();
    }
}

// Cuts off the sound playing: the server drops the stream and what it holds.
void PulsePlayer::Loop::StopStream() {
    if (m_stream == nullptr) return;
    pa_stream* stream = std::exchange(m_stream, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_CREATING:
            // It can be ended only once the server has made it: OnLeaving
            // does that, and lets go of it when it is gone.
            pa_stream_set_state_callback(stream, &OnLeaving, nullptr);
            return;
        case PA_STREAM_READY:
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_disconnect(stream);
            break;
        default: pa_stream_set_state_callback(stream, nullptr, nullptr); break;
    }
    pa_stream_unref(stream);
}

void PulsePlayer::Loop::OnLeaving(pa_stream* stream, void* /*unused*/) {
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY: pa_stream_disconnect(stream); break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
            break;
        default: break;
    }
}

void PulsePlayer::Loop::OnStreamState(pa_stream* stream, void* self) {
    auto& loop = *static_cast<Loop*>(self);
    if (stream != loop.m_stream || PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) return;
    // Failed with its connection, or ended: nothing more to hear.
    loop.StopStream();
}

void PulsePlayer::Loop::OnWritable(pa_stream* stream, std::size_t bytes, void* self) {
    auto& loop = *static_cast<Loop*>(self);
    if (stream != loop.m_stream) return;
    const std::span<const std::byte> samples = loop.m_playing.data;
    const std::size_t count = std::min(bytes, samples.size() - loop.m_written);
    if (count > 0 &&
        pa_stream_write(stream, samples.data() + loop.m_written, count, &KeepSamples, 0, PA_SEEK_RELATIVE) < 0) {
        return;  // the stream is failing: its state says so next
    }
    loop.m_written += count;
    if (loop.m_written < samples.size()) return;
    // All handed over: once the server has played it out, the stream goes.
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    if (pa_operation* drain = pa_stream_drain(stream, &OnDrained, self)) pa_operation_unref(drain);
}

void PulsePlayer::Loop::OnDrained(pa_stream* stream, int /*success*/, void* self) {
    auto& loop = *static_cast<Loop*>(self);
    if (stream == loop.m_stream) loop.StopStream();
}

PulsePlayer::PulsePlayer(std::string client) : m_loop(std::make_unique<Loop>(std::move(client))) {}

PulsePlayer::~PulsePlayer() = default;

void PulsePlayer::Connect() { m_loop->Request(std::nullopt); }

void PulsePlayer::Play(const WaveSamples& sound) { m_loop->Request(sound); }

}  // namespace platform::pulse
