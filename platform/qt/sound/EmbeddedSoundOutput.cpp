#include "platform/qt/sound/EmbeddedSoundOutput.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QResource>
#include <QString>

#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "platform/pulse/PulsePlayer.h"
#include "platform/pulse/WaveFile.h"
#include "platform/qt/pictures/ResourceFiles.h"

namespace platform::qt {
namespace {

using pulse::ReadWave;
using pulse::WaveSamples;

// The name the server's mixer shows for the game.
std::string ClientName() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? std::string("glimbles") : name.toStdString();
}

}  // namespace

// The sounds read so far, by name; each stays in place, as the player needs.
class EmbeddedSoundOutput::Sounds {
public:
    // The samples of the sound `name`, or nothing when there is no such sound.
    std::optional<WaveSamples> Find(std::string_view name) {
        const std::lock_guard lock(m_mutex);
        auto it = m_sounds.find(name);
        if (it == m_sounds.end()) it = m_sounds.emplace(std::string(name), Load(name)).first;
        if (!it->second) return std::nullopt;
        return it->second->samples;
    }

private:
    struct Sound {
        QByteArray file;      // the resource's bytes, lent by the program's image when it is stored as it is
        WaveSamples samples;  // within `file`
    };

    static std::optional<Sound> Load(std::string_view name) {
        Sound sound;
        sound.file = EmbeddedBytes(WavePath(name));
        if (sound.file.isEmpty()) return std::nullopt;  // missing, or a folder
        const auto wave =
            ReadWave(std::as_bytes(std::span(sound.file.constData(), static_cast<std::size_t>(sound.file.size()))));
        if (!wave) return std::nullopt;
        sound.samples = *wave;
        return sound;
    }

    std::mutex m_mutex;
    std::map<std::string, std::optional<Sound>, std::less<>> m_sounds;  // nothing: no such sound
};

EmbeddedSoundOutput::EmbeddedSoundOutput()
    : m_sounds(std::make_unique<Sounds>()), m_player(std::make_unique<pulse::PulsePlayer>(ClientName())) {}

EmbeddedSoundOutput::~EmbeddedSoundOutput() = default;

void EmbeddedSoundOutput::PlayWave(std::string_view name) {
    // No such sound: the one playing goes on.
    if (const auto sound = m_sounds->Find(name)) m_player->Play(*sound);
}

void EmbeddedSoundOutput::Preload(std::string_view name) {
    m_sounds->Find(name);
    m_player->Connect();
}

}  // namespace platform::qt
