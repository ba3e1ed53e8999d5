// What may lie at the settings file's path: only a regular file, or a link
// to one, is read or written. A device, a FIFO, a socket, a folder, or a link
// to one of them or to nothing is no store: reads give nothing, writes are
// dropped, start-up never blocks on it, and it stays exactly as it was.
#include "platform/qt/settings/IniFileStore.h"

#include <QDir>
#include <QFile>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "SettingsStoreRig.h"

namespace {

using settings_rig::HelperStore;
using settings_rig::ReadFile;
using settings_rig::ScratchFolder;
using settings_rig::WriteFile;

using settings_rig::Local;

// What a path is, to tell whether anything there changed.
struct Fingerprint {
    mode_t mode = 0;
    ino_t inode = 0;
    dev_t device = 0;       // for device nodes: which device
    QByteArray linkTarget;  // for links
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
};

std::optional<Fingerprint> FingerprintOf(const QString& path) {
    struct stat info {};
    if (lstat(Local(path).constData(), &info) != 0) return std::nullopt;
    Fingerprint print{info.st_mode, info.st_ino, info.st_rdev, {}};
    if (S_ISLNK(info.st_mode)) print.linkTarget = QFile::encodeName(QFile::symLinkTarget(path));
    return print;
}

// Makes something at `path`; false with `why` set when this system will not.
using Maker = std::function<bool(const QString& path, std::string& why)>;

bool MakeDevice(const QString& path, std::string& why) {
    // A private node of the kind of /dev/null, so nothing system-wide is at stake.
    if (mknod(Local(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) return true;
    why = std::string("mknod is not permitted here: ") + std::strerror(errno);
    return false;
}

bool MakeFifo(const QString& path, std::string& why) {
    if (mkfifo(Local(path).constData(), 0666) == 0) return true;
    why = std::strerror(errno);
    return false;
}

bool MakeSocket(const QString& path, std::string& why) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = Local(path);
    if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) {
        why = "the scratch path is too long for a socket";
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!bound) why = std::strerror(errno);
    if (fd >= 0) close(fd);  // the socket file stays
    return bound;
}

bool MakeFolder(const QString& path, std::string& why) {
    if (QDir().mkdir(path)) return true;
    why = "cannot make a folder";
    return false;
}

// A link at `path` to something `make` puts beside it.
Maker LinkTo(const Maker& make) {
    return [make](const QString& path, std::string& why) {
        const QString target = path + ".target";
        if (make && !make(target, why)) return false;
        if (symlink(Local(target).constData(), Local(path).constData()) == 0) return true;
        why = std::strerror(errno);
        return false;
    };
}

struct PathKind {
    const char* name;
    Maker make;
    friend void PrintTo(const PathKind& kind, std::ostream* out) { *out << kind.name; }
};

class SettingsPathKinds : public testing::TestWithParam<PathKind> {};

TEST_P(SettingsPathKinds, IsNoStoreAndStaysAsItWas) {
    ScratchFolder folder;
    std::string why;
    if (!GetParam().make(folder.File(), why)) GTEST_SKIP() << GetParam().name << ": " << why;
    const QString target = folder.File() + ".target";
    const std::optional<Fingerprint> before = FingerprintOf(folder.File());
    const std::optional<Fingerprint> targetBefore = FingerprintOf(target);
    const QStringList entries = QDir(folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    {
        // A second process, so a read that blocks shows as a helper that
        // never answers instead of a test that never ends.
        HelperStore store(folder.File());
        EXPECT_EQ(store.Read("Size"), std::nullopt);
        store.Write("Size", "14");
        store.WriteAll({{"Size", "17"}, {"Number", "9"}});
        EXPECT_EQ(store.Read("Size"), std::nullopt);
    }
    EXPECT_EQ(FingerprintOf(folder.File()), before);
    EXPECT_EQ(FingerprintOf(target), targetBefore);
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), entries);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SettingsPathKinds,
                         testing::Values(PathKind{"Device", MakeDevice}, PathKind{"LinkToDevice", LinkTo(MakeDevice)},
                                         PathKind{"Fifo", MakeFifo}, PathKind{"LinkToFifo", LinkTo(MakeFifo)},
                                         PathKind{"Socket", MakeSocket}, PathKind{"LinkToFolder", LinkTo(MakeFolder)},
                                         PathKind{"LinkToNothing", LinkTo(nullptr)}),
                         [](const testing::TestParamInfo<PathKind>& info) { return std::string(info.param.name); });

TEST(SettingsPathKinds, ALinkToAFileWritesTheFileAndStaysALink) {
    ScratchFolder folder;
    ScratchFolder elsewhere;
    const QString real = elsewhere.Path() + "/real.ini";
    WriteFile(real, "[General]\nSize=8\n");
    ASSERT_EQ(chmod(Local(real).constData(), 0640), 0);
    ASSERT_EQ(symlink(Local(real).constData(), Local(folder.File()).constData()), 0);
    {
        HelperStore store(folder.File());
        EXPECT_EQ(store.Read("Size"), "8");
        store.Write("Skin", "1");
        EXPECT_EQ(store.Read("Skin"), "1");
    }
    EXPECT_EQ(QFile::symLinkTarget(folder.File()), real);
    EXPECT_EQ(ReadFile(real), "[General]\nSize=8\nSkin=1\n");
    struct stat info {};
    ASSERT_EQ(stat(Local(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640U);
    EXPECT_EQ(QDir(elsewhere.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"real.ini"});
}

}  // namespace
