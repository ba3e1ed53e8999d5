#include "PulseRig.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

extern char** environ;

namespace pulse_rig {
namespace {

using namespace std::chrono_literals;

constexpr const char* kSinkName = "rig";
constexpr auto kStartTimeout = 10s;  // for the daemon to answer, or parec to deliver
constexpr auto kPollStep = 5ms;

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (folder.empty()) continue;
        folder.append("/").append(program);
        if (access(folder.c_str(), X_OK) == 0) return true;
    }
    return false;
}

// This process's environment with `set` put in and `drop` left out.
std::vector<std::string> Environment(const std::vector<std::pair<std::string, std::string>>& set,
                                     const std::vector<std::string>& drop) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        const bool replaced = std::any_of(set.begin(), set.end(), [&](const auto& s) { return s.first == name; });
        const bool dropped = std::find(drop.begin(), drop.end(), name) != drop.end();
        if (!replaced && !dropped) env.push_back(text);
    }
    for (const auto& [name, value] : set) env.push_back(std::string(name).append("=").append(value));
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Starts `args` with standard input from /dev/null, standard output to
// `stdoutFd` (or the log when negative) and standard error to `log`. The
// child is killed when the thread that started it ends, so a test that
// crashes leaves no server behind.
pid_t Spawn(std::vector<std::string> args, std::vector<std::string> env, int stdoutFd, const std::string& log) {
    std::vector<char*> argv = Pointers(args);
    std::vector<char*> envp = Pointers(env);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // In the child only calls that are safe after fork, up to exec.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(127);
    const int in = open("/dev/null", O_RDONLY);
    const int err = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (in < 0 || err < 0 || dup2(in, 0) < 0 || dup2(err, 2) < 0 || dup2(stdoutFd >= 0 ? stdoutFd : err, 1) < 0)
        _exit(127);
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
}

// True while `pid` has not ended; reaps it when it has.
bool Alive(pid_t& pid) {
    if (pid <= 0) return false;
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == 0) return true;
    pid = -1;
    return false;
}

void Reap(pid_t& pid, int signal) {
    if (pid <= 0) return;
    kill(pid, signal);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    pid = -1;
}

bool Answers(const std::string& socketPath) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
    const bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return ok;
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

}  // namespace

std::string Missing() {
    for (const char* program : {"pulseaudio", "parec"}) {
        if (!OnPath(program)) return std::string(program) + " is not installed (Debian: pulseaudio, pulseaudio-utils)";
    }
    return {};
}

Server::Server() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/glimbles-pulse-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return;
    m_folder = pattern;
    m_socket = m_folder + "/native";
    for (const char* sub : {"/home", "/runtime", "/state"}) mkdir((m_folder + sub).c_str(), 0700);
    // The monitor hands on what the sink renders as soon as it renders it.
    // A sink that rewinds (as PulseAudio does to start a new stream sooner)
    // rewrites samples the recording already holds, so a new stream's first
    // milliseconds would seem lost; without rewinds the recording is what
    // the sink played.
    WriteText(m_folder + "/server.pa",
              std::string("load-module module-null-sink sink_name=") + kSinkName +
                  " rate=44100 channels=2 norewinds=1\n" + "set-default-sink " + kSinkName + "\n" +
                  "load-module module-native-protocol-unix auth-anonymous=1 socket=" + m_socket + "\n");
    WriteText(m_folder + "/client.conf", "autospawn = no\n");
}

Server::~Server() {
    Reap(m_pid, SIGKILL);
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}

const char* Server::Monitor() { return "rig.monitor"; }

bool Server::Start(std::string& error) {
    if (m_folder.empty()) {
        error = "cannot make a temporary folder";
        return false;
    }
    Reap(m_pid, SIGKILL);
    // The daemon warns about running as root but runs; it gets its own
    // folders and no session bus or display to look for.
    m_pid = Spawn({"pulseaudio", "-n", "-F", m_folder + "/server.pa", "--daemonize=no", "--exit-idle-time=-1",
                   "--use-pid-file=no", "--disable-shm=yes", "--realtime=no", "--high-priority=no",
                   "--log-target=stderr"},
                  Environment({{"HOME", m_folder + "/home"},
                               {"XDG_CONFIG_HOME", m_folder + "/home/.config"},
                               {"XDG_RUNTIME_DIR", m_folder + "/runtime"},
                               {"PULSE_RUNTIME_PATH", m_folder + "/runtime"},
                               {"PULSE_STATE_PATH", m_folder + "/state"}},
                              {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY", "PULSE_SERVER"}),
                  -1, m_folder + "/server.log");
    if (m_pid < 0) {
        error = "cannot start pulseaudio";
        return false;
    }
    const auto deadline = Clock::now() + kStartTimeout;
    while (Clock::now() < deadline) {
        if (!Alive(m_pid)) {
            error = "pulseaudio stopped at start:\n" + Log();
            return false;
        }
        if (Answers(m_socket)) return true;
        std::this_thread::sleep_for(kPollStep);
    }
    error = "pulseaudio did not answer on its socket:\n" + Log();
    Reap(m_pid, SIGKILL);
    return false;
}

void Server::Kill() { Reap(m_pid, SIGKILL); }

bool Server::Running() { return Alive(m_pid); }

std::string Server::Log() const {
    std::ifstream in(m_folder + "/server.log");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Server::UseInThisProcess() const {
    setenv("PULSE_SERVER", Address().c_str(), 1);
    setenv("PULSE_CLIENTCONFIG", (m_folder + "/client.conf").c_str(), 1);
}

Clock::time_point Recording::TimeOf(std::size_t index) const {
    auto best = Clock::time_point::max();
    for (const Block& block : blocks) {
        if (block.end <= index) continue;
        const std::chrono::duration<double> later(static_cast<double>(block.end - 1 - index) / kRecordRate);
        best = std::min(best, block.arrived - std::chrono::duration_cast<Clock::duration>(later));
    }
    return best;
}

Recorder::~Recorder() { Stop(); }

bool Recorder::Start(std::string& error) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = "cannot make a pipe";
        return false;
    }
    m_pid = Spawn({"parec", "--server=" + m_address, std::string("--device=") + Server::Monitor(), "--raw",
                   "--format=s16le", "--rate=" + std::to_string(kRecordRate), "--channels=1",
                   "--latency-msec=" + std::to_string(kRecordBlock.count())},
                  Environment({{"PULSE_CLIENTCONFIG", "/dev/null"}}, {}), fds[1], m_log);
    close(fds[1]);
    if (m_pid < 0) {
        close(fds[0]);
        error = "cannot start parec";
        return false;
    }
    m_reader = std::thread([this, fd = fds[0]] { Read(fd); });
    const auto deadline = Clock::now() + kStartTimeout;
    while (Clock::now() < deadline) {
        {
            const std::lock_guard lock(m_mutex);
            if (!m_blocks.empty()) return true;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    std::ifstream in(m_log);
    error = "parec delivered nothing: " + std::string(std::istreambuf_iterator<char>(in), {});
    Stop();
    return false;
}

void Recorder::Read(int fd) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        const auto now = Clock::now();
        const std::lock_guard lock(m_mutex);
        m_bytes.insert(m_bytes.end(), buffer, buffer + got);
        m_blocks.push_back({m_bytes.size() / 2, now});
    }
    close(fd);
}

Recording Recorder::Stop() {
    Reap(m_pid, SIGINT);  // parec ends on SIGINT; when the server went away it has ended already
    if (m_reader.joinable()) m_reader.join();
    Recording recording;
    const std::lock_guard lock(m_mutex);
    recording.samples.reserve(m_bytes.size() / 2);
    for (std::size_t at = 0; at + 1 < m_bytes.size(); at += 2) {
        const auto bits = static_cast<std::uint16_t>(static_cast<unsigned char>(m_bytes[at]) |
                                                     (static_cast<unsigned char>(m_bytes[at + 1]) << 8));
        recording.samples.push_back(static_cast<float>(static_cast<std::int16_t>(bits)) / 32768.0F);
    }
    recording.blocks = std::move(m_blocks);
    m_bytes.clear();
    m_blocks.clear();
    return recording;
}

}  // namespace pulse_rig
