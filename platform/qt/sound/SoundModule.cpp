// The sound output as a module of its own, loaded by the game the first time
// it needs sound, so the audio libraries cost nothing at start-up.
#include <QtGlobal>

#include "platform/qt/sound/EmbeddedSoundOutput.h"
#include "platform/qt/sound/SoundModule.h"

extern "C" Q_DECL_EXPORT platform::ISoundOutput* glimbles_create_sound_output() {
    return new platform::qt::EmbeddedSoundOutput;
}
