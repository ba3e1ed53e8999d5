#pragma once
// A private PulseAudio server for the audio tests and the latency tool: a
// folder of its own with the server's socket and a null sink, and a recorder
// on that sink's monitor that notes when each block of samples came in. The
// code under test reaches the server through PULSE_SERVER; nothing here
// touches the user's own sound server.

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pulse_rig {

using Clock = std::chrono::steady_clock;

// The recorder's format: mono, 16-bit samples, at this rate.
inline constexpr int kRecordRate = 22050;
// How much the recorder asks for at a time; the null sink then renders
// blocks of this length, each at once.
inline constexpr std::chrono::milliseconds kRecordBlock{10};
// How much before its play a sound may seem to reach the sink by
// Recording::TimeOf: a block rendered ahead, and a few milliseconds more when
// the sink's thread wakes late and renders more at once.
inline constexpr std::chrono::milliseconds kSeemsEarlyBy = kRecordBlock + std::chrono::milliseconds(5);

// Why the rig cannot run on this machine (a program it needs is missing),
// or empty when it can.
std::string Missing();

// The PulseAudio daemon on a socket in a temporary folder. It runs as any
// user, root too, with its own home and runtime folders.
class Server {
public:
    Server();
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Starts the daemon and returns once it answers on its socket, or with
    // the reason in `error`. Starting again after Kill uses the same socket.
    bool Start(std::string& error);

    // Kills the daemon with SIGKILL, as a crash would, and waits for it.
    // Nothing happens when it is not running.
    void Kill();

    // True while the daemon started last has not ended.
    bool Running();

    // The value of PULSE_SERVER for clients: "unix:<folder>/native".
    std::string Address() const { return "unix:" + m_socket; }
    // The null sink's monitor, to record from.
    static const char* Monitor();
    // The daemon's own log, for failure messages.
    std::string Log() const;

    // Points this process's PulseAudio clients at the server, before the
    // first of them connects; autospawning another server is turned off.
    void UseInThisProcess() const;

    const std::string& Folder() const { return m_folder; }

private:
    std::string m_folder;
    std::string m_socket;
    pid_t m_pid = -1;
};

// What came in from the monitor.
struct Recording {
    struct Block {
        std::size_t end;            // samples received up to here
        Clock::time_point arrived;  // when they were read
    };
    std::vector<float> samples;  // -1 .. 1 at kRecordRate
    std::vector<Block> blocks;

    // When sample `index` was at the sink: every block came in no earlier
    // than its last sample was played, so each later block bounds it, and the
    // tightest bound is taken. As the sink renders a whole block at once,
    // ahead of the clock, the time found may lie up to kSeemsEarlyBy before
    // the moment the sample was rendered.
    Clock::time_point TimeOf(std::size_t index) const;
};

// Records the server's null sink through parec.
class Recorder {
public:
    explicit Recorder(const Server& server) : m_address(server.Address()), m_log(server.Folder() + "/parec.log") {}
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Starts parec and returns once the first samples have come in, or with
    // the reason in `error`.
    bool Start(std::string& error);

    // Stops parec (if the server has not ended it already) and returns what
    // it recorded.
    Recording Stop();

private:
    void Read(int fd);

    std::string m_address;
    std::string m_log;
    pid_t m_pid = -1;
    std::thread m_reader;
    std::mutex m_mutex;
    std::vector<char> m_bytes;  // as read, under m_mutex
    std::vector<Recording::Block> m_blocks;
};

}  // namespace pulse_rig
