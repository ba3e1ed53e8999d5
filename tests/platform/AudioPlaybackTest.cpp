// The game's sound output on a real sound server: a private PulseAudio daemon
// with a null sink, whose monitor is recorded while the real sound module
// plays. Every play must be found in the recording, from its first samples,
// after the one before it was cut off; nothing may be printed meanwhile.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "PulseRig.h"
#include "SoundOnsets.h"
#include "StderrCapture.h"
#include "platform/qt/sound/LazySoundOutput.h"
#include "tests/TestAccess.h"

namespace {

using namespace std::chrono_literals;
using pulse_rig::Clock;
using pulse_rig::Onset;
using pulse_rig::Recording;
using Millis = std::chrono::duration<double, std::milli>;

constexpr std::string_view kNames[] = {"MOVE", "SELECT"};  // the patterns, in this order
constexpr double kOpeningSeconds = 0.05;                   // how much of each sound's start is looked for
constexpr float kMatch = 0.9F;   // the opening alone: not cut short, not mixed with the sound before
constexpr auto kLatest = 400ms;  // a play heard later than this counts as not heard
// How far the gap between two onsets may differ from their plays': a busy
// machine delays a play now and then by up to a few scheduler slices.
constexpr auto kSpacingSlack = 120ms;
// PlayWave returns within this, whatever the server does: a bound for a
// call that only hands the sound over, not a measure of its speed.
constexpr auto kAtOnce = 20ms;
constexpr auto kTail = 1200ms;        // after the last play, for it to be heard out
constexpr auto kAwaySpacing = 200ms;  // clicks while no server is there

// Runs the event loop until `until`, as the game's runs between clicks.
void WaitUntil(Clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    if (left <= 0ms) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

QStringList g_messages;
void Record(QtMsgType, const QMessageLogContext&, const QString& message) { g_messages << message; }

struct Play {
    std::string_view name;
    Clock::time_point at;  // just before PlayWave
    Clock::duration took;  // in PlayWave
};

int PatternOf(std::string_view name) {
    return static_cast<int>(std::find(std::begin(kNames), std::end(kNames), name) - std::begin(kNames));
}

std::vector<Onset> Onsets(const Recording& recording) {
    std::vector<std::vector<float>> patterns;
    for (std::string_view name : kNames) {
        patterns.push_back(pulse_rig::Opening(name, kOpeningSeconds));
        EXPECT_FALSE(patterns.back().empty()) << "no 16-bit " << pulse_rig::kRecordRate << " Hz sound " << name;
    }
    // Plays come at least 150 ms apart: no two onsets closer than 100 ms.
    return pulse_rig::FindOnsets(recording.samples, patterns, kMatch, pulse_rig::kRecordRate / 10);
}

// For each play, the onset that is its sound, or -1 where it was not heard:
// the longest run of plays, in order, each matched by a later onset of its
// own sound, soon enough after it.
std::vector<int> Match(const std::vector<Play>& plays, const std::vector<Onset>& onsets, const Recording& recording) {
    auto fits = [&](std::size_t p, std::size_t o) {
        const auto at = recording.TimeOf(onsets[o].sample);
        return onsets[o].pattern == PatternOf(plays[p].name) && at >= plays[p].at - pulse_rig::kSeemsEarlyBy &&
               at <= plays[p].at + kLatest;
    };
    const std::size_t np = plays.size();
    const std::size_t no = onsets.size();
    std::vector<std::vector<int>> best(np + 1, std::vector<int>(no + 1, 0));
    for (std::size_t p = 1; p <= np; ++p) {
        for (std::size_t o = 1; o <= no; ++o) {
            best[p][o] = std::max({best[p - 1][o], best[p][o - 1], fits(p - 1, o - 1) ? best[p - 1][o - 1] + 1 : 0});
        }
    }
    std::vector<int> match(np, -1);
    for (std::size_t p = np, o = no; p > 0 && o > 0;) {
        if (fits(p - 1, o - 1) && best[p][o] == best[p - 1][o - 1] + 1) {
            match[p - 1] = static_cast<int>(o - 1);
            --p;
            --o;
        } else if (best[p][o] == best[p - 1][o]) {
            --p;
        } else {
            --o;
        }
    }
    return match;
}

// A line per play and per onset, for failure messages.
std::string Timeline(const std::vector<Play>& plays, const std::vector<Onset>& onsets, const Recording& recording) {
    if (plays.empty()) return {};
    const auto origin = plays.front().at;
    std::ostringstream out;
    out.precision(1);
    out << std::fixed;
    for (const Play& play : plays) out << "  play  " << Millis(play.at - origin).count() << " ms " << play.name << "\n";
    for (const Onset& onset : onsets) {
        out << "  heard " << Millis(recording.TimeOf(onset.sample) - origin).count() << " ms " << kNames[onset.pattern]
            << " (match " << onset.score << ")\n";
    }
    return out.str();
}

// Every play heard, once, in order, promptly, and spaced as played.
void ExpectEveryPlayHeard(const std::vector<Play>& plays, const Recording& recording) {
    const auto onsets = Onsets(recording);
    const auto match = Match(plays, onsets, recording);
    const std::string timeline = Timeline(plays, onsets, recording);
    const auto heard = static_cast<std::size_t>(std::count_if(match.begin(), match.end(),
                                                              [](int m) { return m >= 0; }));
    std::printf("heard %zu of %zu plays\n", heard, plays.size());
    ASSERT_EQ(onsets.size(), plays.size()) << timeline;
    for (std::size_t i = 0; i < plays.size(); ++i) {
        EXPECT_GE(match[i], 0) << "play " << i << " (" << plays[i].name << ") not heard\n" << timeline;
    }
    for (std::size_t i = 1; i < plays.size(); ++i) {
        if (match[i - 1] < 0 || match[i] < 0) continue;
        const Millis played = plays[i].at - plays[i - 1].at;
        const Millis sounded = recording.TimeOf(onsets[static_cast<std::size_t>(match[i])].sample) -
                               recording.TimeOf(onsets[static_cast<std::size_t>(match[i - 1])].sample);
        EXPECT_NEAR(sounded.count(), played.count(), Millis(kSpacingSlack).count())
            << "between plays " << i - 1 << " and " << i << "\n"
            << timeline;
    }
}

// Alternately MOVE and SELECT, `count` of them.
std::vector<std::string_view> Alternating(std::size_t count) {
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < count; ++i) names.push_back(kNames[i % 2]);
    return names;
}

// The server every test of this process shares, always on the same socket,
// so PULSE_SERVER stays the same.
pulse_rig::Server& SharedServer() {
    static pulse_rig::Server server;
    return server;
}

class AudioPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string missing = pulse_rig::Missing(); !missing.empty()) GTEST_SKIP() << missing;
        SharedServer().UseInThisProcess();  // the same address each time
        g_messages.clear();
        m_previousHandler = qInstallMessageHandler(&Record);
    }
    void TearDown() override {
        if (m_previousHandler != nullptr) qInstallMessageHandler(m_previousHandler);
        EXPECT_TRUE(g_messages.isEmpty()) << g_messages.join('\n').toStdString();
    }

    // Starts the shared server unless it runs; false, with the reason
    // reported, when it cannot.
    static bool ServerUp() {
        if (SharedServer().Running()) return true;
        std::string error;
        const bool started = SharedServer().Start(error);
        EXPECT_TRUE(started) << error;
        return started;
    }

    // The game's sound output, from the real module, opened as the game
    // opens it after its first paint.
    static std::unique_ptr<platform::qt::LazySoundOutput> OpenOutput() {
        auto output =
            std::make_unique<platform::qt::LazySoundOutput>(QStringList{QStringLiteral(GLIMBLES_SOUND_MODULE_DIR)});
        output->Preload();
        EXPECT_TRUE(TestAccess::Loaded(*output)) << "no sound module in " << GLIMBLES_SOUND_MODULE_DIR;
        WaitUntil(Clock::now() + 300ms);
        return output;
    }

    // Plays `names` in turn, `spacing` apart, and notes when.
    static void PlaySeries(platform::ISoundOutput& output, const std::vector<std::string_view>& names,
                           Clock::duration spacing, std::vector<Play>& plays) {
        const auto start = Clock::now();
        for (std::size_t i = 0; i < names.size(); ++i) {
            WaitUntil(start + spacing * static_cast<int>(i));
            const auto at = Clock::now();
            output.PlayWave(names[i]);
            plays.push_back({names[i], at, Clock::now() - at});
        }
    }

    static void ExpectAtOnce(const std::vector<Play>& plays) {
        for (const Play& play : plays) EXPECT_LT(play.took, kAtOnce) << "PlayWave(" << play.name << ") waited";
    }

    static void ExpectHeardAgainAfterTheServerWasAway(Clock::duration away);

private:
    QtMessageHandler m_previousHandler = nullptr;
};

// Moves and selections in a row, first in quick succession, each cutting off
// the one before, then with pauses between them.
TEST_F(AudioPlayback, EveryPlayIsHeardFromItsStart) {
    ASSERT_TRUE(ServerUp());
    pulse_rig::Recorder recorder(SharedServer());
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;

    pulse_rig::StderrCapture written;
    std::vector<Play> plays;
    {
        const auto output = OpenOutput();
        PlaySeries(*output,
                   {"MOVE", "MOVE", "SELECT", "MOVE", "SELECT", "SELECT", "MOVE", "MOVE", "SELECT", "MOVE", "SELECT",
                    "MOVE", "MOVE", "SELECT", "MOVE"},
                   150ms, plays);
        WaitUntil(Clock::now() + 1300ms);
        PlaySeries(*output,
                   {"SELECT", "MOVE", "MOVE", "SELECT", "SELECT", "MOVE", "SELECT", "MOVE", "MOVE", "SELECT", "MOVE",
                    "SELECT", "SELECT", "MOVE", "MOVE"},
                   1300ms, plays);
        WaitUntil(Clock::now() + kTail);
    }
    EXPECT_EQ(written.Release(), "");
    ExpectEveryPlayHeard(plays, recorder.Stop());
    ExpectAtOnce(plays);
}

// The server killed in the middle of a sound, as a crash kills it, clicks
// going on while it is away for `away`, and then started again on its
// socket: the plays while it is away are silent, quiet and do not wait, and
// from the first play after it is back every one is heard.
void AudioPlayback::ExpectHeardAgainAfterTheServerWasAway(Clock::duration away) {
    ASSERT_TRUE(ServerUp());
    pulse_rig::StderrCapture written;
    const auto output = OpenOutput();
    std::string error;

    std::vector<Play> before;
    Recording beforeRecording;
    {
        pulse_rig::Recorder recorder(SharedServer());
        ASSERT_TRUE(recorder.Start(error)) << error;
        PlaySeries(*output, {"SELECT", "MOVE", "SELECT", "MOVE"}, 400ms, before);
        WaitUntil(before.back().at + 150ms);
        SharedServer().Kill();  // in the middle of the last sound; ends the recorder too
        beforeRecording = recorder.Stop();
    }
    const auto killed = Clock::now();

    std::vector<Play> whileAway;
    PlaySeries(*output, Alternating(static_cast<std::size_t>(away / kAwaySpacing) - 1), kAwaySpacing, whileAway);
    WaitUntil(killed + away);
    ASSERT_TRUE(SharedServer().Start(error)) << error;

    std::vector<Play> after;
    pulse_rig::Recorder recorder(SharedServer());
    ASSERT_TRUE(recorder.Start(error)) << error;
    PlaySeries(*output, Alternating(8), 400ms, after);
    WaitUntil(Clock::now() + kTail);
    const Recording afterRecording = recorder.Stop();
    EXPECT_EQ(written.Release(), "");

    ExpectEveryPlayHeard(before, beforeRecording);
    ExpectAtOnce(whileAway);
    ExpectAtOnce(after);
    ExpectEveryPlayHeard(after, afterRecording);
}

// Away for a moment, as when the server crashes and is restarted at once.
TEST_F(AudioPlayback, IsHeardAgainAfterTheServerIsKilledAndStartedAgain) { ExpectHeardAgainAfterTheServerWasAway(1s); }

// Away for longer than a single retry a few seconds after the loss would wait.
TEST_F(AudioPlayback, IsHeardAgainAfterTheServerIsAwayForLong) { ExpectHeardAgainAfterTheServerWasAway(5s); }

// The output opened while no server runs, as when the game starts before the
// desktop's sound server: its plays are silent, quiet and do not wait, and
// once a server is there every play is heard.
TEST_F(AudioPlayback, IsHeardOnceAServerStartsAfterTheOutput) {
    SharedServer().Kill();
    pulse_rig::StderrCapture written;
    const auto opened = Clock::now();
    const auto output = OpenOutput();

    std::vector<Play> withoutServer;
    PlaySeries(*output, Alternating(20), kAwaySpacing, withoutServer);
    WaitUntil(opened + 5s);
    ASSERT_TRUE(ServerUp());

    std::vector<Play> after;
    pulse_rig::Recorder recorder(SharedServer());
    std::string error;
    ASSERT_TRUE(recorder.Start(error)) << error;
    PlaySeries(*output, Alternating(8), 400ms, after);
    WaitUntil(Clock::now() + kTail);
    const Recording recording = recorder.Stop();
    EXPECT_EQ(written.Release(), "");

    ExpectAtOnce(withoutServer);
    ExpectAtOnce(after);
    ExpectEveryPlayHeard(after, recording);
}

}  // namespace
