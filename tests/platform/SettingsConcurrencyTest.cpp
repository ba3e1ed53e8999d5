// Two running copies of the game share one settings file: each writes its own
// keys while the other's copy of the file is out of date, and no write is lost.
#include "platform/qt/QtSettingsStore.h"

#include <QProcess>

#include <string>

#include "SettingsStoreRig.h"

namespace {

using platform::qt::QtSettingsStore;
using settings_rig::HelperStore;
using settings_rig::ScratchFolder;

constexpr int kWritesEach = 150;

std::string Key(const char* copy, int i) { return std::string(copy) + "/k" + std::to_string(i); }

TEST(SettingsConcurrency, StrictlyAlternatingWritesOfTwoProcessesAllSurvive) {
    ScratchFolder folder;
    HelperStore first(folder.File());
    HelperStore second(folder.File());
    for (int i = 0; i < kWritesEach; ++i) {
        first.Write(Key("A", i), std::to_string(i));
        second.Write(Key("B", i), std::to_string(i));
        // Each sees the other's latest write at once.
        ASSERT_EQ(first.Read(Key("B", i)), std::to_string(i));
    }
    QtSettingsStore store(folder.File());
    for (int i = 0; i < kWritesEach; ++i) {
        EXPECT_EQ(store.Read(Key("A", i)), std::to_string(i));
        EXPECT_EQ(store.Read(Key("B", i)), std::to_string(i));
    }
}

TEST(SettingsConcurrency, TwoProcessesWritingFreelyLoseNothing) {
    settings_rig::EnsureApplication();
    ScratchFolder folder;
    QProcess first;
    QProcess second;
    first.start(GLIMBLES_SETTINGS_HELPER, {"burst", folder.File(), "A", QString::number(kWritesEach)});
    second.start(GLIMBLES_SETTINGS_HELPER, {"burst", folder.File(), "B", QString::number(kWritesEach)});
    ASSERT_TRUE(first.waitForFinished(-1));
    ASSERT_TRUE(second.waitForFinished(-1));
    ASSERT_EQ(first.exitCode(), 0);
    ASSERT_EQ(second.exitCode(), 0);

    HelperStore reader(folder.File());
    int missing = 0;
    for (int i = 0; i < kWritesEach; ++i) {
        for (const char* copy : {"A", "B"}) {
            if (reader.Read(Key(copy, i)) != std::to_string(i)) ++missing;
        }
    }
    EXPECT_EQ(missing, 0);
}

}  // namespace
