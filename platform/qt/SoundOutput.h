#pragma once

#include <QObject>

#include <map>
#include <memory>
#include <string>

#include "platform/SoundOutput.h"

class QSoundEffect;

namespace platform::qt {

// Plays the embedded WAVE resources (":/sounds/<name>.wav") through Qt
// Multimedia. Each sound is opened the first time it is played, so nothing
// touches the audio system at start-up; one sound plays at a time.
class SoundOutput final : public ISoundOutput {
public:
    SoundOutput();
    ~SoundOutput() override;

    void PlayWave(std::string_view name) override;
    void Preload(std::string_view name) override;

private:
    QSoundEffect* Effect(const std::string& name);

    QObject m_owner;  // parent of the sound effects
    std::map<std::string, QSoundEffect*, std::less<>> m_effects;  // nullptr: no such sound
    QSoundEffect* m_playing = nullptr;  // the last sound started
};

}  // namespace platform::qt
