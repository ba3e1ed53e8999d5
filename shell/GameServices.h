#pragma once

#include <cstdint>

#include "platform/TickSource.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "platform/fake/RecordingSurface.h"
#include "platform/qt/pictures/ScaledPictures.h"
#include "platform/qt/settings/IniFileStore.h"
#include "platform/qt/shellopen/ShellOpen.h"
#include "platform/qt/sound/LazySoundOutput.h"
#include "shell/GameDialogs.h"
#include "shell/ViewServices.h"

// The services a game runs on, made and owned together and handed to the
// application as one ViewServices. Each must outlive the application.

// The program's own: the per-user settings file, the sound module loaded
// when first needed, the system's tick count, the desktop's opener, the
// embedded pictures and the real dialogs.
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

// Fakes for the tests, the benchmarks and the screenshot tool: settings in
// memory, sounds and opened addresses recorded, a tick count the caller sets,
// and the embedded pictures. The dialogs are the caller's choice.
struct FakeServices {
    explicit FakeServices(std::uint32_t tickCount = 1) : ticks(tickCount) {}
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    ViewServices View(IGameDialogs& dialogs) { return {settings, sound, ticks, pictures, dialogs, shell}; }

    platform::fake::MemorySettingsStore settings;
    platform::fake::EventLog log;  // the sounds played, in order
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks;
    platform::qt::ScaledPictures pictures;
    platform::fake::RecordingShellOpen shell;
};
