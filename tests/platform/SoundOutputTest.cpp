// The sound output never reports anything: no device, no such sound and
// quick repeats are all silent, and the caller goes on at once. Every test
// here runs without a working sound server, whatever the machine has: the
// address below leads nowhere. The real server is in AudioPlaybackTest.cpp.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "StderrCapture.h"
#include "platform/qt/sound/EmbeddedSoundOutput.h"
#include "platform/qt/sound/LazySoundOutput.h"
#include "tests/TestAccess.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Sanity bounds on calls that must not wait for the sound server, not
// measures of their speed.
constexpr auto kAtOnce = 20ms;     // PlayWave and Preload
constexpr auto kQuickEnd = 500ms;  // the end of a sound output

constexpr const char* kNowhere = "unix:/nonexistent/glimbles/pulse/native";
// Before main, so before anything in the process first connects.
const bool g_noServer = qputenv("PULSE_SERVER", kNowhere);

QStringList g_messages;

void Record(QtMsgType, const QMessageLogContext&, const QString& message) { g_messages << message; }

// How long `call` took.
template <typename Call>
Clock::duration Took(Call&& call) {
    const auto start = Clock::now();
    call();
    return Clock::now() - start;
}

// A socket that takes connections into its backlog and never answers them,
// as a server does that hangs or dies while a client connects to it.
class MuteServer {
public:
    MuteServer() {
        m_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);  // accept never waits
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = m_folder.filePath(QStringLiteral("native")).toLocal8Bit();
        if (!m_folder.isValid() || m_fd < 0 || static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path))
            return;
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        if (bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 && listen(m_fd, 16) == 0) {
            m_address = "unix:" + path;
        }
    }
    ~MuteServer() {
        for (int fd : m_taken) close(fd);
        if (m_fd >= 0) close(m_fd);
    }
    MuteServer(const MuteServer&) = delete;
    MuteServer& operator=(const MuteServer&) = delete;

    // The value of PULSE_SERVER that leads here; empty when the socket could
    // not be made.
    const QByteArray& Address() const { return m_address; }

    // How many connections came in since the last call.
    int TakeConnections() {
        int count = 0;
        for (int fd = accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC); fd >= 0;
             fd = accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) {
            m_taken.push_back(fd);  // kept open, still unanswered
            ++count;
        }
        return count;
    }

private:
    QTemporaryDir m_folder;
    int m_fd = -1;
    QByteArray m_address;
    std::vector<int> m_taken;
};

TEST(SoundOutput, PlaysKnownAndUnknownNamesWithoutAWord) {
    ASSERT_TRUE(g_noServer);
    g_messages.clear();
    pulse_rig::StderrCapture written;
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    {
        std::optional<platform::qt::EmbeddedSoundOutput> sound(std::in_place);
        EXPECT_LT(Took([&] { sound->Preload("MOVE"); }), kAtOnce);
        for (const char* name : {"MOVE", "MOVE", "SELECT", "NO SUCH SOUND", "", "BEST", "WIN", "../sounds/MOVE"}) {
            EXPECT_LT(Took([&] { sound->PlayWave(name); }), kAtOnce) << name;
            QCoreApplication::processEvents();
        }
        EXPECT_LT(Took([&] { sound.reset(); }), kQuickEnd);
    }
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
    EXPECT_EQ(written.Release(), "");
}

// A server that takes the connection and never answers: plays do not wait
// for it, a play long after the first gives it up for a new connection, and
// the output ends at once with the connection still hanging.
TEST(SoundOutput, NeitherPlaysNorTheEndWaitForAServerThatNeverAnswers) {
    MuteServer server;
    ASSERT_FALSE(server.Address().isEmpty()) << "cannot make a listening socket";
    ASSERT_TRUE(qputenv("PULSE_SERVER", server.Address()));
    g_messages.clear();
    pulse_rig::StderrCapture written;
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    {
        std::optional<platform::qt::EmbeddedSoundOutput> sound(std::in_place);
        for (const char* name : {"MOVE", "SELECT", "MOVE"}) {
            EXPECT_LT(Took([&] { sound->PlayWave(name); }), kAtOnce) << name;
            std::this_thread::sleep_for(100ms);
        }
        EXPECT_EQ(server.TakeConnections(), 1) << "one connection, waited for while it is young";
        std::this_thread::sleep_for(3s);
        EXPECT_LT(Took([&] { sound->PlayWave("SELECT"); }), kAtOnce);
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(server.TakeConnections(), 1) << "a connection that never got an answer is given up";
        EXPECT_LT(Took([&] { sound.reset(); }), kQuickEnd);
    }
    qInstallMessageHandler(previous);
    ASSERT_TRUE(qputenv("PULSE_SERVER", kNowhere));
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
    EXPECT_EQ(written.Release(), "");
}

// A server address far longer than any real one: no sound, no word, and
// above all the game goes on.
class SoundOutputServerAddress : public testing::TestWithParam<int> {};

TEST_P(SoundOutputServerAddress, FarTooLongMeansNoSoundAndNoWord) {
    const QByteArray address(GetParam(), 'x');  // a host name, looked up by the sound library
    ASSERT_TRUE(qputenv("PULSE_SERVER", address));
    g_messages.clear();
    pulse_rig::StderrCapture written;
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    {
        std::optional<platform::qt::EmbeddedSoundOutput> sound(std::in_place);
        for (const char* name : {"MOVE", "SELECT"}) {
            EXPECT_LT(Took([&] { sound->PlayWave(name); }), kAtOnce) << name;
            std::this_thread::sleep_for(100ms);  // the sound thread has tried to connect
        }
        EXPECT_LT(Took([&] { sound.reset(); }), kQuickEnd);
    }
    qInstallMessageHandler(previous);
    ASSERT_TRUE(qputenv("PULSE_SERVER", kNowhere));
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
    EXPECT_EQ(written.Release(), "");
}

// 10,179 characters is the shortest on which the sound library gives up the program.
INSTANTIATE_TEST_SUITE_P(Lengths, SoundOutputServerAddress, testing::Values(2000, 10179, 65536),
                         [](const auto& info) { return "Characters" + std::to_string(info.param); });

// The address space this process has mapped, in bytes (0 when unknown).
[[maybe_unused]] rlim_t AddressSpaceInUse() {  // unused where AddressSanitizer skips the test below
    std::ifstream status("/proc/self/status");
    for (std::string field; status >> field;) {
        rlim_t kilobytes = 0;
        if (field == "VmSize:" && status >> kilobytes) return kilobytes * 1024;
    }
    return 0;
}

// Under an address-space limit (`ulimit -v`) that leaves too little room for
// the sound library's memory pool: no sound, and not a word either.
TEST(SoundOutputAddressSpace, TooLittleLeftMeansNoSoundAndNoWord) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's shadow memory leaves no address-space limit to set";
#else
    constexpr rlim_t kRoomLeft = rlim_t{24} * 1024 * 1024;  // plenty for the player, too little for the pool
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &before), 0);
    const rlim_t inUse = AddressSpaceInUse();
    ASSERT_GT(inUse, 0U);
    if (before.rlim_max != RLIM_INFINITY && before.rlim_max < inUse + kRoomLeft) GTEST_SKIP() << "already limited";
    g_messages.clear();
    pulse_rig::StderrCapture written;
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    {
        std::optional<platform::qt::EmbeddedSoundOutput> sound(std::in_place);
        rlimit tight = before;
        tight.rlim_cur = inUse + kRoomLeft;
        ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
        for (const char* name : {"MOVE", "SELECT", "MOVE"}) {
            sound->PlayWave(name);
            std::this_thread::sleep_for(100ms);  // the sound thread has tried to connect
        }
        ASSERT_EQ(setrlimit(RLIMIT_AS, &before), 0);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
    EXPECT_EQ(written.Release(), "");
#endif
}

}  // namespace

namespace {

TEST(LazySoundOutput, LoadsTheModuleOnFirstUseAndStaysQuietWithout) {
    g_messages.clear();
    pulse_rig::StderrCapture written;
    const QtMessageHandler previous = qInstallMessageHandler(&Record);
    {
        platform::qt::LazySoundOutput missing({QStringLiteral("/nonexistent"), QString()});
        missing.PlayWave("MOVE");
        missing.Preload();
        EXPECT_FALSE(TestAccess::Loaded(missing));

        platform::qt::LazySoundOutput found({QStringLiteral("/nonexistent"),
                                             QStringLiteral(GLIMBLES_SOUND_MODULE_DIR)});
        EXPECT_FALSE(TestAccess::Loaded(found)) << "nothing is loaded before it is needed";
        found.Preload();
        EXPECT_TRUE(TestAccess::Loaded(found));
        found.PlayWave("SELECT");
        found.PlayWave("NO SUCH SOUND");
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
    EXPECT_EQ(written.Release(), "");
}

}  // namespace
