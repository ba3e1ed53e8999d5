// The store is the player's alone: what the game makes is private under any
// umask, and a store that another user could have put there or swapped for a
// link (another user's file or link, a folder every user may write) is no
// store, so the player's next save never writes where someone else chose.
#include "platform/qt/settings/IniFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>

#include "SettingsStoreRig.h"

namespace {

using platform::qt::IniFileStore;
using settings_rig::ReadFile;
using settings_rig::ScratchFolder;
using settings_rig::WriteFile;

using settings_rig::Local;

mode_t ModeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(lstat(Local(path).constData(), &info), 0) << path.toStdString();
    return info.st_mode & 07777;
}

// Writes through a new store with the process's umask set to `mask`.
void WriteUnder(mode_t mask, const QString& file, const std::string& key, const std::string& text) {
    const mode_t saved = umask(mask);
    IniFileStore(file).Write(key, text);
    umask(saved);
}

class SettingsUnderUmask : public testing::TestWithParam<mode_t> {};

TEST_P(SettingsUnderUmask, FoldersAndANewFileArePrivateAndAFileKeepsItsMode) {
    ScratchFolder folder;
    const QString configHome = folder.Path() + "/config";
    const QString file = configHome + "/Pellix/Glimbles.ini";
    WriteUnder(GetParam(), file, "Size", "14");
    EXPECT_EQ(ReadFile(file), "[General]\nSize=14\n");
    EXPECT_EQ(ModeOf(configHome), 0700U);
    EXPECT_EQ(ModeOf(configHome + "/Pellix"), 0700U);
    EXPECT_EQ(ModeOf(file), 0600U);
    // A mode the player chose stays.
    ASSERT_EQ(chmod(Local(file).constData(), 0640), 0);
    WriteUnder(GetParam(), file, "Skin", "1");
    EXPECT_EQ(ReadFile(file), "[General]\nSize=14\nSkin=1\n");
    EXPECT_EQ(ModeOf(file), 0640U);
}

INSTANTIATE_TEST_SUITE_P(Masks, SettingsUnderUmask, testing::Values(mode_t{0}, mode_t{022}),
                         [](const auto& info) { return info.param == 0 ? "Umask000" : "Umask022"; });

// Another user's id, to hand a file to; only root may.
constexpr uid_t kOtherUser = 65534;

// Where the test puts the store: `store` in a folder of its own, and
// `elsewhere`, a private folder for a link's target.
struct Places {
    QString folder;
    QString store;
    QString elsewhere;
    QString Target() const { return elsewhere + "/private.ini"; }
};

// Sets the scene; false with `why` set when this system will not.
using Scene = std::function<bool(const Places&, std::string& why)>;

bool Chmod(const QString& path, mode_t mode, std::string& why) {
    if (chmod(Local(path).constData(), mode) == 0) return true;
    why = std::strerror(errno);
    return false;
}

bool GiveAway(const QString& path, std::string& why) {
    if (lchown(Local(path).constData(), kOtherUser, kOtherUser) == 0) return true;
    why = std::string("cannot hand a file to another user (needs root): ") + std::strerror(errno);
    return false;
}

bool LinkToTarget(const Places& places, std::string& why) {
    if (symlink(Local(places.Target()).constData(), Local(places.store).constData()) == 0) return true;
    why = std::strerror(errno);
    return false;
}

struct Attack {
    const char* name;
    bool viaLink;  // the store is a link to Places::Target()
    Scene scene;
    bool followed;  // a store the player may trust after all
    friend void PrintTo(const Attack& attack, std::ostream* out) { *out << attack.name; }
};

class SettingsNotThePlayers : public testing::TestWithParam<Attack> {};

TEST_P(SettingsNotThePlayers, IsNoStoreAndIsNeverWritten) {
    ScratchFolder folder;
    ScratchFolder elsewhere;
    const Places places{folder.Path(), folder.File(), elsewhere.Path()};
    const Attack& attack = GetParam();
    const QByteArray good = "[General]\nSize=14\n";
    const QString holder = attack.viaLink ? places.Target() : places.store;
    WriteFile(holder, good);
    ASSERT_EQ(chmod(Local(holder).constData(), 0600), 0);
    std::string why;
    if (attack.viaLink && !LinkToTarget(places, why)) GTEST_SKIP() << why;
    if (!attack.scene(places, why)) GTEST_SKIP() << attack.name << ": " << why;

    IniFileStore store(places.store);
    EXPECT_EQ(store.Read("Size"), attack.followed ? std::optional<std::string>("14") : std::nullopt);
    store.Write("Skin", "1");
    EXPECT_EQ(ReadFile(holder), attack.followed ? good + "Skin=1\n" : good);
    EXPECT_EQ(QFileInfo(places.store).isSymLink(), attack.viaLink);
    const QStringList expected = attack.viaLink ? QStringList{"private.ini"} : QStringList{};
    EXPECT_EQ(QDir(places.elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, SettingsNotThePlayers,
    testing::Values(Attack{"FolderEveryoneMayWrite", false,
                           [](const Places& p, std::string& why) { return Chmod(p.folder, 0777, why); }, false},
                    Attack{"StickyFolderEveryoneMayWrite", false,
                           [](const Places& p, std::string& why) { return Chmod(p.folder, 01777, why); }, true},
                    Attack{"AnotherUsersFile", false,
                           [](const Places& p, std::string& why) { return GiveAway(p.store, why); }, false},
                    Attack{"AnotherUsersLinkToThePlayersFile", true,
                           [](const Places& p, std::string& why) { return GiveAway(p.store, why); }, false},
                    Attack{"LinkToAnotherUsersFile", true,
                           [](const Places& p, std::string& why) { return GiveAway(p.Target(), why); }, false},
                    Attack{"LinkIntoAFolderEveryoneMayWrite", true,
                           [](const Places& p, std::string& why) { return Chmod(p.elsewhere, 0777, why); }, false},
                    Attack{"ThePlayersOwnLink", true, [](const Places&, std::string&) { return true; }, true}),
    [](const testing::TestParamInfo<Attack>& info) { return std::string(info.param.name); });

}  // namespace
