#pragma once

#include "platform/TickSource.h"
#include "platform/qt/pictures/ScaledPictures.h"
#include "platform/qt/settings/IniFileStore.h"
#include "platform/qt/shellopen/ShellOpen.h"
#include "platform/qt/sound/LazySoundOutput.h"
#include "shell/GameDialogs.h"
#include "shell/ViewServices.h"

// The services the game runs on, made and owned together and handed to the
// application as one ViewServices; each must outlive the application: the
// per-user settings file, the sound module loaded when first needed, the
// system's tick count, the desktop's opener, the embedded pictures and the
// real dialogs.
struct DesktopServices {
    platform::qt::IniFileStore settings;
    platform::qt::LazySoundOutput sound;
    platform::SystemTickSource ticks;
    platform::qt::ScaledPictures pictures;
    platform::qt::ShellOpen shell;
    GameDialogs dialogs{settings, shell, pictures};

    // The sound module is looked for in `soundFolders`, in order.
    explicit DesktopServices(const QStringList& soundFolders) : sound(soundFolders) {}
    ViewServices View() { return {settings, sound, ticks, pictures, dialogs, shell}; }
};
