#pragma once

#include <cstdint>

#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "platform/fake/RecordingSurface.h"
#include "platform/qt/pictures/ScaledPictures.h"
#include "shell/ViewServices.h"

// The services a game runs on, as fakes for the tests, the benchmarks and
// the screenshot tool: settings in memory, sounds and opened addresses
// recorded, a tick count the caller sets, and the embedded pictures. The
// dialogs are the caller's choice.
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
