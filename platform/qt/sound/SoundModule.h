#pragma once

#include "platform/SoundOutput.h"

// The one function the sound module exports: a new sound output, owned by
// the caller.
extern "C" {
using GlimblesCreateSoundOutput = platform::ISoundOutput* (*)();
}
inline constexpr const char* kCreateSoundOutputSymbol = "glimbles_create_sound_output";
// The module's file name without its suffix, as QLibrary takes it.
inline constexpr const char* kSoundModuleName = "glimbles-sound";
