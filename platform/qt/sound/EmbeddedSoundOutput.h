#pragma once

#include <memory>

#include "platform/SoundOutput.h"

namespace platform::pulse {
class PulsePlayer;
}

namespace platform::qt {

// Plays the embedded WAVE resources (":/sounds/<name>.wav") on the desktop's
// sound server, one sound at a time: a new sound cuts off the one playing.
//
// Each sound is read once, the first time it is preloaded or played, and
// its samples are handed to the player (PulsePlayer), whose thread does the
// talking to the server: PlayWave and Preload return at once, whatever the
// server does. Without a server the game is silent and says nothing, and the
// next play after one appears is heard.
class EmbeddedSoundOutput final : public ISoundOutput {
public:
    EmbeddedSoundOutput();
    ~EmbeddedSoundOutput() override;
    EmbeddedSoundOutput(const EmbeddedSoundOutput&) = delete;
    EmbeddedSoundOutput& operator=(const EmbeddedSoundOutput&) = delete;

    void PlayWave(std::string_view name) override;
    void Preload(std::string_view name) override;

private:
    class Sounds;
    std::unique_ptr<Sounds> m_sounds;
    std::unique_ptr<pulse::PulsePlayer> m_player;  // plays the samples m_sounds holds: goes first
};

}  // namespace platform::qt
