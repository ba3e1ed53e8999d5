#pragma once

#include "platform/SettingsStore.h"
#include "platform/ShellOpen.h"
#include "platform/SoundOutput.h"
#include "platform/TickSource.h"
#include "platform/qt/pictures/PictureSource.h"
#include "shell/IGameDialogs.h"

// What the view needs from outside; all must outlive it.
struct ViewServices {
    platform::ISettingsStore& settings;
    platform::ISoundOutput& sound;
    platform::ITickSource& ticks;
    platform::qt::IPictureSource& pictures;  // also the dialogs' pictures
    IGameDialogs& dialogs;
    platform::IShellOpen& shell;  // the help file and web addresses
};
