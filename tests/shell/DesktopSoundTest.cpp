// The real program on the desktop with a real sound server: every click on a
// covered tile is heard, and under a file-size limit too small for the sound
// server's shared memory the game plays on.
#include <gtest/gtest.h>

#include <QThread>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "PulseRig.h"
#include "SoundOnsets.h"
#include "tests/shell/DesktopRig.h"

namespace {

using desktop::kCaption;
constexpr double kOpeningSeconds = 0.05;  // how much of each sound's start is looked for
constexpr float kMatch = 0.8F;
// Four covered tiles of the Tiny board, apart on every line, in window
// coordinates (the menu bar above the board).
const std::vector<std::pair<int, int>> kTiles = {{20, 45}, {100, 125}, {180, 205}, {260, 285}};

struct Limit {
    const char* name;
    QStringList prlimit;  // the limit the game starts under; empty: none
    bool normalPlay;      // every click heard, nothing printed; under a limit
                          // a sound that cannot open is skipped, and the sound
                          // server's client library may say why
};

void PrintTo(const Limit& limit, std::ostream* out) { *out << limit.name; }

class DesktopSound : public ::testing::TestWithParam<Limit> {};

TEST_P(DesktopSound, EveryClickIsHeardAndTheGamePlaysOn) {
    if (const QString missing = desktop::MissingTool(desktop::kTools + QStringList{"prlimit"}); !missing.isEmpty()) {
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    }
    if (const std::string missing = pulse_rig::Missing(); !missing.empty()) GTEST_SKIP() << missing;
    desktop::Desktop screen;
    if (!screen.Ready()) GTEST_SKIP() << "the X display or openbox did not start";
    pulse_rig::Server server;
    std::string error;
    ASSERT_TRUE(server.Start(error)) << error;
    pulse_rig::Recorder recorder(server);
    ASSERT_TRUE(recorder.Start(error)) << error;

    screen.StoreSettings("[General]\nShowTips=1\n");
    QProcessEnvironment environment = screen.Environment();
    environment.insert("PULSE_SERVER", QString::fromStdString(server.Address()));
    QProcess& game = screen.StartGame(environment, GetParam().prlimit);
    const unsigned long window = screen.WaitForWindow(game, kCaption);
    ASSERT_NE(window, 0u);
    QThread::msleep(1000);  // the sound output opens a moment after the first paint

    ASSERT_TRUE(screen.Xdotool({"windowactivate", "--sync", QString::number(window)}));
    for (const auto& [x, y] : kTiles) {
        EXPECT_TRUE(screen.Xdotool({"mousemove", "--window", QString::number(window), QString::number(x),
                                    QString::number(y), "click", "1"}));
        QThread::msleep(400);
    }
    QThread::msleep(1200);
    EXPECT_EQ(game.state(), QProcess::Running) << "the game ended: " << game.exitStatus() << " " << game.exitCode();
    const pulse_rig::Recording recording = recorder.Stop();

    const std::vector<std::vector<float>> patterns = {pulse_rig::Opening("MOVE", kOpeningSeconds),
                                                      pulse_rig::Opening("SELECT", kOpeningSeconds)};
    const auto onsets = pulse_rig::FindOnsets(recording.samples, patterns, kMatch, pulse_rig::kRecordRate / 10);
    const QByteArray printed = desktop::Desktop::Stop(game);
    if (GetParam().normalPlay) {
        EXPECT_EQ(onsets.size(), kTiles.size()) << "clicks heard";
        EXPECT_EQ(printed.toStdString(), "");
    } else {
        std::printf("under %s: %zu of %zu clicks heard; printed: %s\n", GetParam().name, onsets.size(), kTiles.size(),
                    printed.constData());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, DesktopSound,
    ::testing::Values(Limit{"no limit", {}, true}, Limit{"a 1 MiB file-size limit", {"--fsize=1048576"}, false}),
    [](const auto& info) { return info.index == 0 ? std::string("NoLimit") : std::string("FileSizeLimit"); });

}  // namespace
