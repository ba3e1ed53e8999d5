#include "platform/qt/SoundOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QList>
#include <QMediaDevices>
#include <QPointer>
#include <QResource>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "platform/qt/WaveFile.h"

namespace platform::qt {
namespace {

using namespace std::chrono_literals;

// How long the end of a sound output waits for the sound thread, which may
// be stuck inside the audio system; past it, what it holds is left behind.
constexpr auto kThreadWait = 2s;
// After its last samples are handed over a stream still plays what the
// server holds; it is closed this long after that.
constexpr auto kDrainMargin = 200ms;

// ---- The sound thread ------------------------------------------------------

// Qt's audio engine stays on the thread that first used it, and its
// reconnection timer runs there: one thread serves every sound output of the
// process, from the first one to the end of the application.
thread_local bool t_onSoundThread = false;
QThread* g_soundThread = nullptr;  // set and cleared on the application's thread

void StopSoundThread() {
    QThread* thread = std::exchange(g_soundThread, nullptr);
    if (thread == nullptr) return;
    thread->quit();
    // A thread stuck in the audio system is left to the end of the process.
    if (thread->wait(QDeadlineTimer(kThreadWait))) delete thread;
}

QThread* SoundThread() {
    if (g_soundThread == nullptr) {
        g_soundThread = new QThread;
        g_soundThread->setObjectName(QStringLiteral("glimbles-sound"));
        QObject::connect(g_soundThread, &QThread::started, [] { t_onSoundThread = true; });
        g_soundThread->start();
        qAddPostRoutine(&StopSoundThread);  // stopped while the application object still exists
    }
    return g_soundThread;
}

// ---- Silence ---------------------------------------------------------------

// Qt Multimedia reports a missing device or server, a lost connection and its
// attempts to reconnect with warnings, from the sound thread and from
// PulseAudio's client thread (named "threaded-ml" by the client library).
// While any sound output lives, a message handler drops those and passes
// everything else on to the handler it replaced.
std::mutex g_quietMutex;
int g_quietUsers = 0;
std::atomic<QtMessageHandler> g_nextHandler{nullptr};

bool OnPulseClientThread() {
    char name[16] = {};
    return pthread_getname_np(pthread_self(), name, sizeof name) == 0 && std::strcmp(name, "threaded-ml") == 0;
}

void DropSoundMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (t_onSoundThread || OnPulseClientThread()) return;
    if (const QtMessageHandler next = g_nextHandler.load()) next(type, context, message);
}

void BeginQuiet() {
    const std::lock_guard lock(g_quietMutex);
    if (g_quietUsers++ == 0) g_nextHandler = qInstallMessageHandler(&DropSoundMessages);
}

void EndQuiet() {
    const std::lock_guard lock(g_quietMutex);
    if (--g_quietUsers > 0) return;
    // A handler installed after ours stays; it hands on to ours, which then
    // still drops only the sound threads' messages.
    const QtMessageHandler current = qInstallMessageHandler(g_nextHandler.load());
    if (current != &DropSoundMessages) qInstallMessageHandler(current);
}

// ---- The sounds --------------------------------------------------------------

struct Sound {
    QAudioFormat format;
    QByteArray samples;  // the "data" chunk, lent by the program's image when it is stored as it is
};

std::optional<Sound> LoadSound(const std::string& name) {
    const QResource resource(QStringLiteral(":/sounds/%1.wav").arg(QString::fromStdString(name)));
    if (!resource.isValid() || resource.size() == 0) return std::nullopt;  // missing, or a folder
    const bool stored = resource.compressionAlgorithm() == QResource::NoCompression;
    const QByteArray file = stored ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                                             static_cast<qsizetype>(resource.size()))
                                   : resource.uncompressedData();
    const auto wave = ReadWave(std::as_bytes(std::span(file.constData(), static_cast<std::size_t>(file.size()))));
    if (!wave) return std::nullopt;

    Sound sound;
    sound.format.setChannelCount(wave->format.channels);
    sound.format.setSampleRate(wave->format.sampleRate);
    sound.format.setSampleFormat(wave->format.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    const auto* begin = reinterpret_cast<const char*>(wave->data.data());
    const auto size = static_cast<qsizetype>(wave->data.size());
    sound.samples = stored ? QByteArray::fromRawData(begin, size) : QByteArray(begin, size);
    return sound;
}

}  // namespace

// ---- The player, on the sound thread ----------------------------------------

class SoundPlayer final : public QObject {
public:
    SoundPlayer() = default;
    ~SoundPlayer() override {
        ++m_serial;  // whatever is still on its way is for plays gone by
        m_playing = nullptr;
        // Deleting one sink runs the event loop, which may delete another
        // that was on its way out: each is looked at through a guard.
        QList<QPointer<QAudioSink>> sinks;
        for (QAudioSink* sink : findChildren<QAudioSink*>(Qt::FindDirectChildrenOnly)) sinks.append(sink);
        for (const QPointer<QAudioSink>& sink : sinks) {
            if (sink.isNull()) continue;
            sink->stop();
            delete sink.data();
        }
    }
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void Preload(const std::string& name) {
        Find(name);
        static_cast<void>(QMediaDevices::defaultAudioOutput());  // connects to the sound server now
    }

    void Play(const std::string& name) {
        const Sound* sound = Find(name);
        if (sound == nullptr) return;  // no such sound: the one playing goes on
        Stop();
        if (QMediaDevices::defaultAudioOutput().isNull()) return;  // nothing to play on

        auto* sink = new QAudioSink(sound->format, this);
        auto* buffer = new QBuffer(sink);
        buffer->setData(sound->samples);
        buffer->open(QIODevice::ReadOnly);
        const unsigned serial = ++m_serial;
        connect(sink, &QAudioSink::stateChanged, this, [this, sink, serial](QAudio::State state) {
            if (serial != m_serial || sink != m_playing) return;  // word from a play gone by
            if (state == QAudio::StoppedState && sink->error() != QAudio::NoError) {
                Stop();  // no server, or it went away: nothing more to hear
            } else if (state == QAudio::IdleState) {
                const auto bytes = static_cast<qint32>(sink->bufferSize());
                const auto held = std::chrono::microseconds(sink->format().durationForBytes(bytes));
                QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(held) + kDrainMargin, this,
                                   [this, serial] {
                                       if (serial == m_serial) Stop();
                                   });
            }
        });
        m_playing = sink;
        sink->start(buffer);
    }

private:
    const Sound* Find(const std::string& name) {
        auto it = m_sounds.find(name);
        if (it == m_sounds.end()) it = m_sounds.emplace(name, LoadSound(name)).first;
        return it->second ? &*it->second : nullptr;
    }

    // Cuts off the sound playing, if any.
    void Stop() {
        if (m_playing == nullptr) return;
        QAudioSink* sink = std::exchange(m_playing, nullptr);
        sink->stop();
        // Deleting a sink runs the event loop, which could start the next
        // play in the middle of this one: it goes later.
        sink->deleteLater();
    }

    std::map<std::string, std::optional<Sound>, std::less<>> m_sounds;  // decoded once; nothing: no such sound
    QAudioSink* m_playing = nullptr;
    unsigned m_serial = 0;  // counts the plays, so word from an earlier one is known for what it is
};

// ---- The output, on the application's thread --------------------------------

SoundOutput::SoundOutput() : m_player(new SoundPlayer) {
    BeginQuiet();
    m_player->moveToThread(SoundThread());
}

SoundOutput::~SoundOutput() {
    QThread* thread = m_player->thread();
    if (thread != nullptr && thread->isRunning()) {
        auto done = std::make_shared<QSemaphore>();
        QMetaObject::invokeMethod(
            m_player,
            [player = m_player, done] {
                delete player;
                done->release();
            },
            Qt::QueuedConnection);
        // A thread stuck in the audio system keeps the player.
        done->tryAcquire(1, static_cast<int>(std::chrono::milliseconds(kThreadWait).count()));
    } else {
        delete m_player;
    }
    EndQuiet();
}

void SoundOutput::PlayWave(std::string_view name) {
    QMetaObject::invokeMethod(
        m_player, [player = m_player, name = std::string(name)] { player->Play(name); }, Qt::QueuedConnection);
}

void SoundOutput::Preload(std::string_view name) {
    QMetaObject::invokeMethod(
        m_player, [player = m_player, name = std::string(name)] { player->Preload(name); }, Qt::QueuedConnection);
}

}  // namespace platform::qt
