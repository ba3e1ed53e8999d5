#pragma once

#include <string_view>

namespace platform {

// Plays the program's recorded sounds.
class ISoundOutput {
public:
    virtual ~ISoundOutput() = default;

    // Starts the WAVE resource called `name` and returns at once. A new sound
    // cuts off the one still playing. A name without a resource, or a sound
    // the machine cannot play, is skipped silently.
    virtual void PlayWave(std::string_view name) = 0;

    // Opens the sound called `name` ahead of its first play, so that play
    // starts at once. Playing works without it.
    virtual void Preload(std::string_view name) { static_cast<void>(name); }
};

}  // namespace platform
