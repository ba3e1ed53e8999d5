#include "platform/qt/settings/SettingsFile.h"

#include <QFile>
#include <QLatin1StringView>
#include <QLockFile>
#include <QRandomGenerator>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

namespace platform::qt::settings_file {
namespace {

constexpr QLatin1StringView kLockSuffix(".lock");
constexpr int kTemporaryAttempts = 100;  // random names tried before giving up
constexpr char kSuffixAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// The player's names and results are for the player alone: folders the game
// makes and a new file are private whatever the umask.
constexpr mode_t kNewFolderMode = S_IRWXU;
constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR;
constexpr mode_t kPermissionBits = 0777;
constexpr qsizetype kReadChunk = qsizetype{64} * 1024;

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    // Closes it now; false when the close reports an error (a write that
    // never reached the disk can show only here).
    bool Close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

int Open(const QByteArray& path, int flags, mode_t mode = 0) {
    int fd = -1;
    do {
        fd = ::open(path.constData(), flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Every byte of `fd`, when it is an open regular file; `info` describes it.
std::optional<QByteArray> ReadRegular(int fd, struct stat& info) {
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    QByteArray contents;
    contents.reserve(static_cast<qsizetype>(info.st_size) + 1);
    for (;;) {
        const qsizetype had = contents.size();
        contents.resize(had + kReadChunk);
        const ssize_t got = ::read(fd, contents.data() + had, static_cast<size_t>(kReadChunk));
        contents.resize(had + (got > 0 ? got : 0));
        if (got == 0) return contents;
        if (got < 0 && errno != EINTR) return std::nullopt;
    }
}

// The folder that holds `path`, an absolute path.
QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.first(slash) : QByteArray("/");
}

// Whether a file in `folder` can only be replaced by its owner: a folder
// every user may write, without the sticky bit, lets anyone swap the file
// for a link of theirs. A folder that does not exist yet is the game's to make.
bool SafeFolder(const QByteArray& folder) {
    struct stat info {};
    if (stat(folder.constData(), &info) != 0) return errno == ENOENT;
    return (info.st_mode & S_IWOTH) == 0 || (info.st_mode & S_ISVTX) != 0;
}

bool Ours(const struct stat& info) { return info.st_uid == geteuid(); }

// The regular file that a save reads and replaces.
struct Target {
    QByteArray path;  // the store's path, or where its link points
    bool exists = false;
};

// What lies at `path`: nullopt when it is no store. A file, or a link, of
// another user's, and anything in a folder every user may write, is no
// store and never followed.
std::optional<Target> Resolve(const QByteArray& path) {
    if (!SafeFolder(FolderOf(path))) return std::nullopt;
    struct stat info {};
    if (lstat(path.constData(), &info) != 0) {
        if (errno == ENOENT) return Target{path, false};
        return std::nullopt;
    }
    if (!Ours(info)) return std::nullopt;
    if (S_ISREG(info.st_mode)) return Target{path, true};
    if (!S_ISLNK(info.st_mode) || stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode) || !Ours(info)) {
        return std::nullopt;
    }
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.constData(), nullptr), &std::free);
    if (!real) return std::nullopt;
    Target target{QByteArray(real.get()), true};
    if (!SafeFolder(FolderOf(target.path))) return std::nullopt;
    return target;
}

// Makes the missing folders of `folder`, an absolute path, private.
bool MakeFolders(const QByteArray& folder) {
    struct stat info {};
    if (stat(folder.constData(), &info) == 0) return S_ISDIR(info.st_mode);
    if (errno != ENOENT || folder == "/") return false;
    if (!MakeFolders(FolderOf(folder))) return false;
    return mkdir(folder.constData(), kNewFolderMode) == 0 || errno == EEXIST;
}

QByteArray RandomSuffix() {
    QByteArray suffix(kTemporarySuffixLength, '\0');
    for (char& c : suffix) c = kSuffixAlphabet[QRandomGenerator::global()->bounded(int{sizeof kSuffixAlphabet} - 1)];
    return suffix;
}

bool WriteEvery(int fd, QByteArrayView bytes) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, data, static_cast<size_t>(left));
        if (done < 0 && errno == EINTR) continue;
        // An error, often after part of the bytes went (EFBIG, ENOSPC): the
        // file is short, so it never replaces the old one.
        if (done <= 0) return false;
        data += done;
        left -= done;
    }
    return true;
}

// The permissions of the file replaced, or for a new file reading and
// writing for its owner alone.
bool SetMode(int fd, std::optional<mode_t> mode) { return fchmod(fd, mode.value_or(kNewFileMode)) == 0; }

// Writes `contents` to a new temporary file beside `target` and renames it
// over `target`; the temporary file goes again when anything fails.
bool Replace(const QByteArray& target, QByteArrayView contents, std::optional<mode_t> mode) {
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kTemporaryAttempts && fd < 0; ++attempt) {
        temporary = target + kTemporaryInfix + RandomSuffix();
        fd = Open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    Descriptor file(fd);
    const bool written = SetMode(file.Get(), mode) && WriteEvery(file.Get(), contents) && fsync(file.Get()) == 0;
    if (file.Close() && written && rename(temporary.constData(), target.constData()) == 0) return true;
    unlink(temporary.constData());
    return false;
}

struct FolderCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool IsTemporaryName(QByteArrayView name, QByteArrayView prefix) {
    if (name.size() != prefix.size() + kTemporarySuffixLength || !name.startsWith(prefix)) return false;
    for (const char c : name.sliced(prefix.size())) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Whether temporary files of saves that died before their rename lie beside
// `target`, removing them when `remove`: ours by name and owner, regular
// files, and old enough that no save still writes them.
bool StaleTemporaries(const QByteArray& target, bool remove) {
    const QByteArray folder = FolderOf(target);  // the path is absolute
    const QByteArray prefix = target.sliced(target.lastIndexOf('/') + 1) + kTemporaryInfix;
    const std::unique_ptr<DIR, FolderCloser> dir(opendir(folder.constData()));
    if (!dir) return false;
    const std::time_t now = std::time(nullptr);
    bool found = false;
    while (const dirent* entry = readdir(dir.get())) {
        if (!IsTemporaryName(entry->d_name, prefix)) continue;
        struct stat info {};
        if (fstatat(dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            Ours(info) && now - info.st_mtime >= kStaleTemporaryAge.count()) {
            found = true;
            if (remove) unlinkat(dirfd(dir.get()), entry->d_name, 0);
        }
    }
    return found;
}

}  // namespace

std::optional<QByteArray> Read(const QString& path) {
    // Looked at before opening, so a device or FIFO there is never opened;
    // the open cannot block, and what it opened is checked again.
    const std::optional<Target> target = Resolve(QFile::encodeName(path));
    if (!target || !target->exists) return std::nullopt;
    Descriptor file(Open(target->path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!file.Valid()) return std::nullopt;
    std::optional<QByteArray> contents = ReadRegular(file.Get(), info);
    if (!contents || !Ours(info)) return std::nullopt;
    return contents;
}

SaveResult Save(const QString& path, std::chrono::milliseconds lockWait,
                const std::function<QByteArray(QByteArrayView)>& change) {
    const QByteArray name = QFile::encodeName(path);
    if (!Resolve(name)) return SaveResult::kFailed;  // before making the folder or the lock file
    if (!MakeFolders(FolderOf(name))) return SaveResult::kFailed;
    QLockFile lock(path + kLockSuffix);
    lock.setStaleLockTime(kStaleLockAge);
    if (!lock.tryLock(lockWait)) {
        return lock.error() == QLockFile::LockFailedError ? SaveResult::kBusy : SaveResult::kFailed;
    }

    const std::optional<Target> target = Resolve(name);  // again, now that no other save runs
    if (!target) return SaveResult::kFailed;
    QByteArray current;
    std::optional<mode_t> mode;
    if (target->exists) {
        // Opened for writing too: a file this user may not write is never replaced.
        Descriptor file(Open(target->path, O_RDWR | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        std::optional<QByteArray> contents = file.Valid() ? ReadRegular(file.Get(), info) : std::nullopt;
        if (!contents || !Ours(info)) return SaveResult::kFailed;
        current = std::move(*contents);
        mode = info.st_mode & kPermissionBits;
    }
    if (!Replace(target->path, change(current), mode)) return SaveResult::kFailed;
    StaleTemporaries(target->path, true);  // saves run under the lock
    return SaveResult::kSaved;
}

void RemoveStaleTemporaries(const QString& path) {
    const std::optional<Target> target = Resolve(QFile::encodeName(path));
    // Only when there are any is the lock taken, so an ordinary start makes no lock file.
    if (!target || !StaleTemporaries(target->path, false)) return;
    QLockFile lock(path + kLockSuffix);
    lock.setStaleLockTime(kStaleLockAge);
    if (lock.tryLock(0)) StaleTemporaries(target->path, true);  // else a save runs, and removes them itself
}

}  // namespace platform::qt::settings_file
