// The settings file is the same in every language: keys, values, the best
// results' groups and the names stored never follow the locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <clocale>

#include "dialogs/BestResultsTable.h"
#include "platform/qt/settings/IniFileStore.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "shell/Language.h"
#include "tests/shell/ShellRig.h"

namespace {

// Makes the C library's locale `name` ("de_DE.UTF-8") in `folder` when the
// system lacks it; false when it cannot be made.
bool MakeLocale(const QString& name, const QString& folder) {
    if (std::setlocale(LC_ALL, name.toLatin1().constData()) != nullptr) return true;
    const QString path = folder + QLatin1Char('/') + name;
    const int made = QProcess::execute(QStringLiteral("localedef"),
                                       {QStringLiteral("-i"), name.section(QLatin1Char('.'), 0, 0),
                                        QStringLiteral("-f"), QStringLiteral("UTF-8"), path});
    qputenv("LOCPATH", folder.toLocal8Bit());
    return made == 0 && std::setlocale(LC_ALL, name.toLatin1().constData()) != nullptr;
}

// One session's writes under `locale`: the options the menus set, a new game,
// and won games entered under names with letters that change case
// differently in Turkish.
QByteArray SessionStore(const QString& locale, const QString& translation) {
    QTemporaryDir dir;
    QLocale::setDefault(QLocale(locale));
    QTranslator language;
    if (!translation.isEmpty() && language.load(TranslationFile(translation))) {
        QCoreApplication::installTranslator(&language);
    }
    const QString file = dir.filePath(QStringLiteral("Glimbles.ini"));
    {
        platform::qt::IniFileStore store(file);
        FakeServices fakes;
        ScriptedDialogs dialogs;
        CQuelmApp app({store, fakes.sound, fakes.ticks, fakes.pictures, dialogs, fakes.shell});
        if (!app.InitInstance()) return {};
        for (const int command : {res::kBoardSizes[1].command, res::ID_TILES_SAND, res::ID_SOUND, res::ID_FILE_NEW}) {
            app.View()->OnCommand(command);
        }
        const char* names[] = {"Işıl İnci", "JÖRG ß 1,5", "ilk IRMAK"};
        for (int game = 0; game < 3; ++game) {
            best_results::RecordResult(
                store, {11, 11, 8}, 120 - 7 * game, [&](const std::string&) { return std::string(names[game]); },
                [](std::string_view) {});
        }
    }
    QCoreApplication::removeTranslator(&language);
    QLocale::setDefault(QLocale::c());
    QFile written(file);
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
}

TEST(LocaleStores, EveryLanguageWritesTheSameBytes) {
    QTemporaryDir locales;
    const QByteArray english = SessionStore(QStringLiteral("C"), {});
    ASSERT_FALSE(english.isEmpty());
    ASSERT_TRUE(english.contains("Işıl İnci")) << english.toStdString();
    for (const auto& [locale, translation] : {std::pair{"de_DE.UTF-8", "de"}, std::pair{"tr_TR.UTF-8", ""}}) {
        const bool cLibrary = MakeLocale(QString::fromLatin1(locale), locales.path());
        EXPECT_EQ(SessionStore(QString::fromLatin1(locale), QString::fromLatin1(translation)), english)
            << locale << (cLibrary ? "" : " (Qt's locale only: the C library's could not be made)");
    }
    std::setlocale(LC_ALL, "C");
}

}  // namespace
