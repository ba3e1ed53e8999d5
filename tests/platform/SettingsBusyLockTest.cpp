// A save that finds another copy's save holding the lock: its changes are
// kept, read back at once, and land once the lock is free, or at the latest
// when the store goes, rather than being dropped.
#include "platform/qt/settings/IniFileStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLockFile>

#include <sys/stat.h>

#include <functional>

#include "SettingsStoreRig.h"
#include "platform/qt/settings/SettingsFile.h"

namespace {

using platform::qt::IniFileStore;
using settings_rig::HelperStore;
using settings_rig::ReadFile;
using settings_rig::ScratchFolder;
using settings_rig::WriteFile;

constexpr char kBefore[] = "[General]\nSize=14\n";
constexpr char kAfter[] = "[General]\nSize=14\nSand=2\n";

// Another copy in the middle of its save: the lock file taken.
class OtherCopysSave {
public:
    explicit OtherCopysSave(const QString& file) : m_lock(file + ".lock") { EXPECT_TRUE(m_lock.tryLock(0)); }
    void Finish() { m_lock.unlock(); }

private:
    QLockFile m_lock;
};

// Runs the event loop until `done`; false if it never is (the bound is only
// there so that a fault fails rather than hangs).
bool RunEventsUntil(const std::function<bool()>& done) {
    constexpr int kBoundMs = 20000;
    const QDeadlineTimer bound(kBoundMs);
    while (!done()) {
        if (bound.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

TEST(SettingsBusyLock, ASaveKeptWhileTheLockIsHeldLandsOnceItIsFree) {
    settings_rig::EnsureApplication();
    ScratchFolder folder;
    WriteFile(folder.File(), kBefore);
    IniFileStore store(folder.File());
    OtherCopysSave other(folder.File());
    store.Write("Sand", "1");
    store.Write("Sand", "2");
    EXPECT_EQ(ReadFile(folder.File()), kBefore);
    EXPECT_EQ(store.Read("Sand"), "2");
    EXPECT_EQ(store.Read("Size"), "14");

    other.Finish();
    EXPECT_TRUE(RunEventsUntil([&] { return ReadFile(folder.File()) == kAfter; })) << ReadFile(folder.File()).data();
    EXPECT_EQ(IniFileStore(folder.File()).Read("Sand"), "2");
}

TEST(SettingsBusyLock, ChangesStillKeptLandWhenTheStoreGoes) {
    ScratchFolder folder;
    WriteFile(folder.File(), kBefore);
    {
        IniFileStore store(folder.File());  // no event loop runs here to retry in
        OtherCopysSave other(folder.File());
        store.Write("Sand", "2");
        other.Finish();
    }
    EXPECT_EQ(ReadFile(folder.File()), kAfter);
}

// A copy killed while taking the lock leaves the lock file empty, naming no
// copy whose death would free it: once it is a little old, the next save
// takes it over at once, long before QLockFile's own 30 s.
TEST(SettingsBusyLock, AnEmptyLockFileLeftByAKilledCopyIsTakenOverOnceALittleOld) {
    ScratchFolder folder;
    WriteFile(folder.File(), kBefore);
    const QString lockFile = folder.File() + ".lock";
    WriteFile(lockFile, "");
    const auto age = platform::qt::settings_file::kStaleLockAge + std::chrono::seconds(2);
    const timespec times[2] = {{0, UTIME_OMIT}, {time(nullptr) - age.count(), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, settings_rig::Local(lockFile).constData(), times, 0), 0);

    IniFileStore store(folder.File());
    store.Write("Sand", "2");
    EXPECT_EQ(ReadFile(folder.File()), kAfter);
}

TEST(SettingsBusyLock, AnotherProcessesChangeIsNotLostWhileThisOneSaves) {
    ScratchFolder folder;
    WriteFile(folder.File(), kBefore);
    {
        HelperStore copy(folder.File());
        OtherCopysSave other(folder.File());
        copy.Write("Sand", "2");
        EXPECT_EQ(copy.Read("Sand"), "2");
        other.Finish();
    }  // the copy exits
    EXPECT_EQ(ReadFile(folder.File()), kAfter);
}

}  // namespace
