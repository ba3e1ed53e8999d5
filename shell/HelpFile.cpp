#include "shell/HelpFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr auto kHelpName = "glimbles-help.html";
}

QString FindHelpFile() {
    const QString dir = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        dir + QLatin1Char('/') + QLatin1String(kHelpName),                       // the build tree
        dir + QStringLiteral("/../share/glimbles/") + QLatin1String(kHelpName),  // an installed game
    };
    for (const QString& path : candidates) {
        const QFileInfo info(path);
        if (info.isFile() && info.isReadable()) return info.absoluteFilePath();
    }
    return {};
}
