#include "shell/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString& Picked() {
    static QString code;
    return code;
}

bool IsEnglish(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

}  // namespace

QString CurrentLanguage() { return Picked(); }

QString TranslationFile(const QString& code) { return QStringLiteral(":/i18n/glimbles_%1.qm").arg(code); }

QString PickLanguage(const QStringList& preferred, const std::function<bool(const QString&)>& shipped) {
    for (const QString& tag : preferred) {
        const QLocale locale(tag);
        if (IsEnglish(locale)) return {};
        // "pt-BR", "zh-Hans-CN" and "de" become "pt_BR", "zh_CN" and "de_DE";
        // the language alone is the part before the underscore.
        QStringList candidates{QString(tag).replace(QLatin1Char('-'), QLatin1Char('_')), locale.name(),
                               locale.name().section(QLatin1Char('_'), 0, 0)};
        candidates.removeDuplicates();
        for (const QString& code : candidates) {
            if (!code.isEmpty() && shipped(code)) return code;
        }
    }
    return {};
}

QString InstallTranslations(QCoreApplication& application) {
    const QString code = PickLanguage(QLocale::system().uiLanguages(), [](const QString& candidate) {
        return QFileInfo::exists(TranslationFile(candidate));
    });
    if (code.isEmpty()) return {};
    auto* game = new QTranslator(&application);
    if (!game->load(TranslationFile(code))) {
        delete game;
        return {};
    }
    QCoreApplication::installTranslator(game);
    // Qt's own words: Debian ships them apart, and the game plays without.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(QStringLiteral("qtbase_") + code.section(QLatin1Char('_'), 0, 0),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    Picked() = code;
    const QLocale language(code);
    QLocale::setDefault(language);
    if (qobject_cast<QGuiApplication*>(&application) != nullptr) {
        QGuiApplication::setLayoutDirection(language.textDirection());
    }
    return code;
}
