#pragma once

#include <memory>
#include <string>

#include "platform/pulse/WaveFile.h"

namespace platform::pulse {

// Plays PCM samples on the desktop's sound server through the PulseAudio
// client library (PipeWire desktops answer the same protocol), one sound at a
// time: a new sound cuts off the one playing.
//
// The player runs a client loop on a thread of its own, the sound thread,
// which does all the talking to the server. Connect and Play only note what
// is wanted and wake that thread, so the caller never waits for the server,
// whatever state it is in. The connection is made when first wanted and made
// anew by the next play after it was lost or could not be made: a server
// that goes away and comes back, or starts after the game, is heard again
// from the next play on. Without a server each play costs one connection
// attempt, which a missing socket refuses at once, and is silent.
class PulsePlayer {
public:
    // `client` names the game to the server, as its mixer shows it.
    explicit PulsePlayer(std::string client);
    ~PulsePlayer();
    PulsePlayer(const PulsePlayer&) = delete;
    PulsePlayer& operator=(const PulsePlayer&) = delete;

    // Connects now, unless connected or connecting, so the first play need
    // not wait for the connection.
    void Connect();

    // Cuts off the sound playing and plays `sound`, connecting first when
    // needed. Its samples must stay in place while the player lives.
    void Play(const WaveSamples& sound);

private:
    class Loop;
    std::unique_ptr<Loop> m_loop;
};

}  // namespace platform::pulse
