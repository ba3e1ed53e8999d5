#include "platform/qt/shellopen/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/shellopen/QuietMessages.h"

namespace platform::qt {

bool ShellOpen::OpenUrl(const std::string& url) {
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid()) return false;
    const QuietMessages quiet;  // "no launcher" is told by the result alone
    return QDesktopServices::openUrl(address);
}

}  // namespace platform::qt
