#include "platform/qt/ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform::qt {

bool ShellOpen::OpenUrl(const std::string& url) {
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid()) return false;
    return QDesktopServices::openUrl(address);
}

bool ShellOpen::OpenFile(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || !file.isReadable()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

}  // namespace platform::qt
