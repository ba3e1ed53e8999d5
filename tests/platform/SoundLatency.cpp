// glimbles-sound-latency: how long after PlayWave the first audible sample
// reaches the sink, on a private PulseAudio server with a null sink whose
// monitor is recorded. The game's sound module (a stream of its own per play
// on the PulseAudio client library) and a bare program path (a fresh
// QAudioSink over the same samples, on the calling thread) take turns in one
// run; the median of each is printed. Both may read up to a recorder block
// early alike (pulse_rig::kSeemsEarlyBy), as the sink renders a block at once.
//
//   build/glimbles-sound-latency [plays per path, default 30]
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "PulseRig.h"
#include "SoundOnsets.h"
#include "platform/pulse/WaveFile.h"
#include "platform/qt/sound/LazySoundOutput.h"
#include "tests/TestAccess.h"

namespace {

using namespace std::chrono_literals;
using pulse_rig::Clock;
using Millis = std::chrono::duration<double, std::milli>;

constexpr const char* kSound = "SELECT";  // short, so each play has ended before the next
constexpr auto kSpacing = 500ms;
constexpr auto kLatest = 400ms;    // a play not heard by then counts as lost
constexpr float kAudible = 0.01F;  // the first sample above this is the sound's first audible one

void WaitUntil(Clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    if (left <= 0ms) return;
    QEventLoop loop;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// The bare path: the sound's samples, a fresh sink per play, the one before stopped.
class BarePlayer {
public:
    bool Load() {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(kSound)));
        if (!file.open(QIODevice::ReadOnly)) return false;
        m_file = file.readAll();
        const auto wave = platform::pulse::ReadWave(std::as_bytes(std::span(m_file.constData(),
                                                                            static_cast<std::size_t>(m_file.size()))));
        if (!wave) return false;
        m_format.setChannelCount(wave->format.channels);
        m_format.setSampleRate(wave->format.sampleRate);
        m_format.setSampleFormat(wave->format.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        m_samples = QByteArray::fromRawData(reinterpret_cast<const char*>(wave->data.data()),
                                            static_cast<qsizetype>(wave->data.size()));
        return true;
    }
    void Play() {
        m_sink.reset();  // stops it
        m_buffer = std::make_unique<QBuffer>();
        m_buffer->setData(m_samples);
        m_buffer->open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(m_format);
        m_sink->start(m_buffer.get());
    }

private:
    QByteArray m_file;
    QByteArray m_samples;
    QAudioFormat m_format;
    std::unique_ptr<QBuffer> m_buffer;  // outlives the sink that reads it
    std::unique_ptr<QAudioSink> m_sink;
};

struct Play {
    bool game;
    Clock::time_point at;
};

double Median(std::vector<double> values) {
    if (values.empty()) return NAN;
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int perPath = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    if (const std::string missing = pulse_rig::Missing(); !missing.empty()) {
        std::fprintf(stderr, "cannot measure: %s\n", missing.c_str());
        return 2;
    }
    pulse_rig::Server server;
    std::string error;
    if (!server.Start(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    server.UseInThisProcess();
    pulse_rig::Recorder recorder(server);
    if (!recorder.Start(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    platform::qt::LazySoundOutput game(QStringList{QStringLiteral(GLIMBLES_SOUND_MODULE_DIR)});
    game.Preload();
    BarePlayer bare;
    if (!TestAccess::Loaded(game) || !bare.Load()) {
        std::fprintf(stderr, "no sound module in %s, or no sound %s\n", GLIMBLES_SOUND_MODULE_DIR, kSound);
        return 1;
    }
    WaitUntil(Clock::now() + 500ms);

    std::vector<Play> plays;
    const auto start = Clock::now();
    for (int i = 0; i < 2 * perPath; ++i) {
        WaitUntil(start + kSpacing * i);
        const bool isGame = i % 2 == 0;
        plays.push_back({isGame, Clock::now()});
        if (isGame) {
            game.PlayWave(kSound);
        } else {
            bare.Play();
        }
    }
    WaitUntil(Clock::now() + 1s);
    const pulse_rig::Recording recording = recorder.Stop();

    const auto onsets = pulse_rig::FindOnsets(recording.samples, {pulse_rig::Opening(kSound, 0.05)}, 0.9F,
                                              pulse_rig::kRecordRate / 10);
    std::vector<double> delays[2];
    int lost[2] = {0, 0};
    std::size_t next = 0;
    for (const Play& play : plays) {
        while (next < onsets.size() && recording.TimeOf(onsets[next].sample) < play.at - pulse_rig::kSeemsEarlyBy)
            ++next;
        std::size_t audible = next < onsets.size() ? onsets[next].sample : recording.samples.size();
        while (audible < recording.samples.size() && std::fabs(recording.samples[audible]) < kAudible) ++audible;
        const Millis delay = audible < recording.samples.size() ? recording.TimeOf(audible) - play.at : Millis(1e9);
        if (delay > kLatest) {
            ++lost[play.game ? 1 : 0];
            continue;
        }
        delays[play.game ? 1 : 0].push_back(delay.count());
        ++next;
    }

    std::printf("PlayWave to the first audible sample at the sink, median of %d plays of %s each\n", perPath, kSound);
    std::printf("(private PulseAudio server, null sink, monitor recorded at %d Hz in %d ms blocks)\n",
                pulse_rig::kRecordRate, static_cast<int>(pulse_rig::kRecordBlock.count()));
    std::printf("(each figure may read up to %d ms early, both alike: the sink renders a block at once)\n",
                static_cast<int>(pulse_rig::kSeemsEarlyBy.count()));
    std::printf("  game, through the glimbles-sound module: %6.1f ms  (%zu heard, %d lost)\n", Median(delays[1]),
                delays[1].size(), lost[1]);
    std::printf("  bare QAudioSink per play:                %6.1f ms  (%zu heard, %d lost)\n", Median(delays[0]),
                delays[0].size(), lost[0]);
    std::printf("  difference:                              %+6.1f ms\n", Median(delays[1]) - Median(delays[0]));
    return lost[0] + lost[1] == 0 ? 0 : 1;
}
