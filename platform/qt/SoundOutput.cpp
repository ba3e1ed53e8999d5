#include "platform/qt/SoundOutput.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace platform::qt {

namespace {

// Sound failures are silent: while the audio system is being asked to play,
// whatever it would print about missing devices or servers is dropped.
class QuietMessages {
public:
    QuietMessages() : m_previous(qInstallMessageHandler(&Drop)) {}
    ~QuietMessages() { qInstallMessageHandler(m_previous); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

private:
    static void Drop(QtMsgType, const QMessageLogContext&, const QString&) {}
    QtMessageHandler m_previous;
};

}  // namespace

SoundOutput::SoundOutput() = default;
SoundOutput::~SoundOutput() = default;

QSoundEffect* SoundOutput::Effect(const std::string& name) {
    if (auto it = m_effects.find(name); it != m_effects.end()) return it->second;

    QSoundEffect* effect = nullptr;
    const QString path = QStringLiteral(":/sounds/%1.wav").arg(QString::fromStdString(name));
    if (QFile::exists(path)) {
        effect = new QSoundEffect(&m_owner);
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
    }
    m_effects.emplace(name, effect);
    return effect;
}

void SoundOutput::Preload(std::string_view name) {
    QuietMessages quiet;
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    Effect(std::string(name));
}

void SoundOutput::PlayWave(std::string_view name) {
    QuietMessages quiet;
    if (QMediaDevices::defaultAudioOutput().isNull()) return;  // nothing to play on
    QSoundEffect* effect = Effect(std::string(name));
    if (effect == nullptr) return;  // no such sound: nothing to play, nothing to say
    if (m_playing != nullptr) m_playing->stop();
    m_playing = effect;
    // A sound that is still loading starts when it is ready; one that cannot
    // be decoded or has no device to play on stays silent.
    effect->play();
}

}  // namespace platform::qt
