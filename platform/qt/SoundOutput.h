#pragma once

#include "platform/SoundOutput.h"

namespace platform::qt {

class SoundPlayer;

// Plays the embedded WAVE resources (":/sounds/<name>.wav") through Qt
// Multimedia, one sound at a time: a new sound cuts off the one playing.
//
// All the work happens on a thread of the process's own, the sound thread:
// PlayWave and Preload only hand the name over and return, so a click never
// waits for the audio system, not even while it connects or reconnects to a
// sound server. Each sound is decoded once, the first time it is preloaded
// or played, and every play gets a fresh audio stream over those samples.
//
// While a SoundOutput lives, whatever Qt Multimedia and PulseAudio's client
// would print from the sound thread or the client's own thread (no device,
// no server, a lost connection) is dropped: sound failures are silent.
class SoundOutput final : public ISoundOutput {
public:
    SoundOutput();
    ~SoundOutput() override;
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    void PlayWave(std::string_view name) override;
    void Preload(std::string_view name) override;

private:
    SoundPlayer* m_player;  // lives on the sound thread, which deletes it
};

}  // namespace platform::qt
