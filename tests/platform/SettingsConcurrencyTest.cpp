// Two running copies of the game share one settings file: each writes its own
// keys while the other's copy of the file is out of date, and no write is lost;
// a copy killed in the middle of its saves never leaves a torn file.
#include "platform/qt/settings/IniFileStore.h"

#include <QDir>
#include <QProcess>

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "SettingsStoreRig.h"
#include "platform/qt/settings/SettingsFile.h"

namespace {

using platform::qt::IniFileStore;
using settings_rig::HelperStore;
using settings_rig::ReadFile;
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
    IniFileStore store(folder.File());
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

// How many of `prefix`'s burst keys landed, checking that they are the first
// ones, in order, each with its own value.
int LandedKeys(IniFileStore& store, const std::string& prefix) {
    int landed = 0;
    while (landed < kWritesEach && store.Read(Key(prefix.c_str(), landed)) == std::to_string(landed)) ++landed;
    EXPECT_EQ(store.Read(Key(prefix.c_str(), landed)), std::nullopt) << prefix << " key " << landed;
    return landed;
}

TEST(SettingsConcurrency, KillsDuringSavesNeverTearTheFile) {
    constexpr int kKills = 25;
    settings_rig::EnsureApplication();
    ScratchFolder folder;
    std::mt19937 random(7);  // the same kill times on every run
    std::uniform_int_distribution<int> delayMs(5, 120);
    std::vector<int> landed;
    for (int kill = 0; kill < kKills; ++kill) {
        const std::string prefix = "Kill" + std::to_string(kill);
        QProcess copy;
        copy.start(GLIMBLES_SETTINGS_HELPER,
                   {"burst", folder.File(), QString::fromStdString(prefix), QString::number(kWritesEach)});
        ASSERT_TRUE(copy.waitForStarted());
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        copy.kill();
        copy.waitForFinished();

        const QByteArray contents = ReadFile(folder.File());
        EXPECT_TRUE(contents.isEmpty() || contents.endsWith('\n')) << "kill " << kill;
        IniFileStore store(folder.File());
        landed.push_back(LandedKeys(store, prefix));
        for (int earlier = 0; earlier < kill; ++earlier) {  // every earlier save is still whole
            const std::string before = "Kill" + std::to_string(earlier);
            if (landed[earlier] > 0) {
                EXPECT_EQ(store.Read(Key(before.c_str(), landed[earlier] - 1)), std::to_string(landed[earlier] - 1));
            }
            EXPECT_EQ(store.Read(Key(before.c_str(), landed[earlier])), std::nullopt);
        }
    }

    // A lock left by a killed copy does not stop the next save, which also
    // removes what killed saves left behind once it is stale.
    const auto stale = std::chrono::system_clock::now() - platform::qt::settings_file::kStaleTemporaryAge -
                       std::chrono::minutes(1);
    const timespec then{std::chrono::system_clock::to_time_t(stale), 0};
    const timespec times[2] = {then, then};
    for (const QString& name : QDir(folder.Path()).entryList({"Glimbles.ini.*"}, QDir::Files | QDir::Hidden)) {
        utimensat(AT_FDCWD, QDir(folder.Path()).filePath(name).toLocal8Bit().constData(), times, 0);
    }
    IniFileStore store(folder.File());
    store.Write("Size", "14");
    EXPECT_EQ(store.Read("Size"), "14");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"Glimbles.ini"});
}

}  // namespace
