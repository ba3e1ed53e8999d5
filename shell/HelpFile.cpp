#include "shell/HelpFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The English page; a translation sits beside it as glimbles-help.<code>.html.
constexpr auto kHelpStem = "glimbles-help";

QString ReadablePage(const QString& name) {
    const QString dir = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        dir + QLatin1Char('/') + name,                       // the build tree
        dir + QStringLiteral("/../share/glimbles/") + name,  // an installed game
    };
    for (const QString& path : candidates) {
        const QFileInfo info(path);
        if (info.isFile() && info.isReadable()) return info.absoluteFilePath();
    }
    return {};
}

}  // namespace

QString FindHelpFile(const QString& language) {
    const QString stem = QLatin1String(kHelpStem);
    if (!language.isEmpty()) {
        QString page = ReadablePage(stem + QLatin1Char('.') + language + QStringLiteral(".html"));
        if (!page.isEmpty()) return page;
    }
    return ReadablePage(stem + QStringLiteral(".html"));
}
