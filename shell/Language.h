#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The player's language: the first of the desktop's preferred languages
// (QLocale::uiLanguages(), which follows LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG) that the game speaks. Each is tried whole ("pt_BR"), then by its
// language alone ("pt"); English, or "C", ends the search, since English is
// what the game is written in. The code of the translation to load, or empty
// for English.
QString PickLanguage(const QStringList& preferred, const std::function<bool(const QString&)>& shipped);

// Loads the game's own translation for the desktop's languages and Qt's (its
// file dialogs, message boxes and context menus) for the same language, and
// lays the windows out right to left for a language written so. Returns the
// code picked, empty for English.
QString InstallTranslations(QCoreApplication& application);

// The code InstallTranslations picked, empty for English.
QString CurrentLanguage();

// Where the game's translations are embedded: ":/i18n/glimbles_<code>.qm".
QString TranslationFile(const QString& code);
