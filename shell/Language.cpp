#include "shell/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

constexpr auto kTranslationsFolder = ":/i18n";

QString& Picked() {
    static QString code;
    return code;
}

bool IsEnglish(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

void SetDirection(Qt::LayoutDirection direction) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QGuiApplication::setLayoutDirection(direction);
    }
}

}  // namespace

QString TranslationFile(const QString& code) {
    return QStringLiteral("%1/glimbles_%2.qm").arg(QLatin1String(kTranslationsFolder), code);
}

QStringList ShippedLanguages() {
    QStringList codes;
    for (const QString& file : QDir(QLatin1String(kTranslationsFolder)).entryList({QStringLiteral("glimbles_*.qm")})) {
        codes << file.mid(9).chopped(3);  // "glimbles_" and ".qm"
    }
    return codes;
}

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

SpokenLanguage::SpokenLanguage(const QString& code) {
    if (code.isEmpty() || !m_game.load(TranslationFile(code))) return;
    m_spoken = QCoreApplication::installTranslator(&m_game);
    // Qt's own words: Debian ships them apart, and the game plays without.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (m_qt.load(QStringLiteral("qtbase_") + code, qtFolder) ||
        m_qt.load(QStringLiteral("qtbase_") + code.section(QLatin1Char('_'), 0, 0), qtFolder)) {
        m_qtSpoken = QCoreApplication::installTranslator(&m_qt);
    }
    SetDirection(QLocale(code).textDirection());
}

SpokenLanguage::~SpokenLanguage() {
    if (QCoreApplication::instance() == nullptr) return;  // gone with the application
    if (m_qtSpoken) QCoreApplication::removeTranslator(&m_qt);
    if (m_spoken) {
        QCoreApplication::removeTranslator(&m_game);
        SetDirection(Qt::LeftToRight);
    }
}

QString InstallTranslations(QCoreApplication& application) {
    QString code = PickLanguage(QLocale::system().uiLanguages(),
                                [](const QString& candidate) { return QFileInfo::exists(TranslationFile(candidate)); });
    if (code.isEmpty()) return {};
    // Kept for the rest of the program, gone with the application.
    auto* language = new SpokenLanguage(code);
    QObject::connect(&application, &QObject::destroyed, [language] { delete language; });
    if (!language->Spoken()) return {};
    Picked() = code;
    return code;
}

QString CurrentLanguage() { return Picked(); }
