#include "shell/DocumentFile.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

QString Refusal(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return QCoreApplication::translate("Messages", "it is a folder");
    if (!S_ISREG(info.st_mode)) return QCoreApplication::translate("Messages", "it is not a plain file");
    return {};
}

QString CannotRead(int error) {
    return QCoreApplication::translate("Messages", "it cannot be read (%1)")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

QString NoSuchFile() { return QCoreApplication::translate("Messages", "there is no such file"); }

}  // namespace

QString CannotOpenReason(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Looked at first, so a device or FIFO that stays there is never opened.
    if (stat(name.constData(), &info) != 0) {
        return errno == ENOENT ? NoSuchFile() : CannotRead(errno);
    }
    if (QString refusal = Refusal(info); !refusal.isEmpty()) return refusal;
    // The name may have changed since: the open never waits, and what it
    // opened decides.
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return errno == ENOENT ? NoSuchFile() : CannotRead(errno);
    const bool known = fstat(fd, &info) == 0;
    const int error = errno;
    ::close(fd);
    return known ? Refusal(info) : CannotRead(error);
}
