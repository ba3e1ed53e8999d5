// Saves that cannot finish: a save that hits a file-size limit keeps the old
// file whole, and the temporary files of saves that died before their rename
// go at the next start or save, while anything else beside the file stays.
#include "platform/qt/settings/IniFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "SettingsStoreRig.h"
#include "platform/qt/settings/SettingsFile.h"
#include "tests/TestNames.h"

namespace {

using platform::qt::IniFileStore;
using settings_rig::HelperStore;
using settings_rig::ReadFile;
using settings_rig::ScratchFolder;
using settings_rig::WriteFile;

// A store of about 2,700 bytes: eighty best-results names.
QByteArray FilledStore(const QString& file) {
    constexpr int kNames = 80;
    IniFileStore store(file);
    std::vector<std::pair<std::string, std::string>> names;
    names.reserve(kNames);
    for (int place = 0; place < kNames; ++place) {
        names.emplace_back("8_8_8_" + std::to_string(place) + "/Name", "Player number " + std::to_string(place));
    }
    std::vector<platform::SettingsChange> changes;
    changes.reserve(names.size());
    for (const auto& [key, text] : names) changes.push_back({key, text});
    store.WriteAll(changes);
    return ReadFile(file);
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

struct SizeLimit {
    rlim_t bytes;
    bool lands;  // whether the new file fits under the limit
    friend void PrintTo(const SizeLimit& limit, std::ostream* out) { *out << limit.bytes << " bytes"; }
};

class SettingsUnderSizeLimit : public testing::TestWithParam<SizeLimit> {};

TEST_P(SettingsUnderSizeLimit, ASaveThatDoesNotFitKeepsTheOldFile) {
    ScratchFolder folder;
    const QByteArray good = FilledStore(folder.File());
    ASSERT_GT(good.size(), 2500);
    {
        HelperStore limited(folder.File(), QProcessEnvironment::systemEnvironment(), GetParam().bytes);
        limited.Write("Size", "14");
        limited.WriteAll({{"Number", "9"}, {"Skin", "1"}});
    }
    IniFileStore reader(folder.File());
    if (GetParam().lands) {
        EXPECT_EQ(reader.Read("Size"), "14");
        EXPECT_EQ(reader.Read("Number"), "9");
        EXPECT_EQ(reader.Read("Skin"), "1");
        EXPECT_EQ(reader.Read("8_8_8_79/Name"), "Player number 79");
    } else {
        EXPECT_EQ(ReadFile(folder.File()), good);
    }
    EXPECT_EQ(Entries(folder.Path()), QStringList{"Glimbles.ini"});
}

INSTANTIATE_TEST_SUITE_P(Limits, SettingsUnderSizeLimit,
                         testing::Values(SizeLimit{1024, false}, SizeLimit{2048, false}, SizeLimit{1 << 20, true}),
                         [](const auto& info) { return testnames::TestName("limit", info.param.bytes, "bytes"); });

// Something beside the store before a save, and whether the save removes it.
struct Leftover {
    std::string name;
    bool old;     // older than a save that died could still be writing
    bool folder;  // a folder rather than a file
    bool removed;
    friend void PrintTo(const Leftover& leftover, std::ostream* out) { *out << leftover.name; }
};

class SettingsLeftovers : public testing::TestWithParam<Leftover> {};

// Puts `leftover` beside the store `good` fills; its path.
QString PutBeside(const ScratchFolder& folder, const Leftover& leftover, const QByteArray& good) {
    QString path = folder.Path() + "/" + QString::fromStdString(leftover.name);
    if (leftover.folder) {
        EXPECT_TRUE(QDir().mkdir(path));
    } else {
        WriteFile(path, good);  // what a save killed before its rename leaves
    }
    if (leftover.old) {
        const auto age = platform::qt::settings_file::kStaleTemporaryAge + std::chrono::seconds(50);
        const timespec then{time(nullptr) - static_cast<time_t>(age.count()), 0};
        const timespec times[2] = {then, then};
        EXPECT_EQ(utimensat(AT_FDCWD, path.toLocal8Bit().constData(), times, 0), 0);
    }
    return path;
}

TEST_P(SettingsLeftovers, OnlyOldTemporariesOfOurOwnGo) {
    ScratchFolder folder;
    const QString path = PutBeside(folder, GetParam(), FilledStore(folder.File()));
    IniFileStore store(folder.File());
    store.Write("Size", "14");
    EXPECT_EQ(store.Read("Size"), "14");
    EXPECT_EQ(QFileInfo::exists(path), !GetParam().removed);
}

TEST_P(SettingsLeftovers, GoAtStartBeforeAnySave) {
    ScratchFolder folder;
    const QByteArray good = FilledStore(folder.File());
    const QString path = PutBeside(folder, GetParam(), good);
    const IniFileStore store(folder.File());  // as the game makes it at start
    EXPECT_EQ(QFileInfo::exists(path), !GetParam().removed);
    EXPECT_EQ(ReadFile(folder.File()), good);
    EXPECT_FALSE(QFileInfo::exists(folder.File() + ".lock"));
}

const std::string kOurs = std::string("Glimbles.ini") + platform::qt::settings_file::kTemporaryInfix;

INSTANTIATE_TEST_SUITE_P(
    Names, SettingsLeftovers,
    testing::Values(Leftover{kOurs + "Ab12Cd", true, false, true},
                    Leftover{kOurs + "Zz9900", false, false, false},  // perhaps still being written
                    Leftover{kOurs + "Ab12C", true, false, false}, Leftover{kOurs + "Ab12Cd7", true, false, false},
                    Leftover{kOurs + "Ab-2Cd", true, false, false}, Leftover{kOurs + "Folder", true, true, false},
                    Leftover{"Glimbles.ini.backup", true, false, false},
                    Leftover{"Other.ini.save-Ab12Cd", true, false, false}),
    [](const auto& info) { return testnames::TestName(info.param.name); });

}  // namespace
