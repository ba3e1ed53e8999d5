#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <functional>

class QCoreApplication;

// The player's language: the first of the desktop's preferred languages
// (QLocale::uiLanguages(), which follows LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG) that the game speaks. Each is tried whole ("pt_BR"), then by its
// language alone ("pt"); English, or "C", ends the search, since English is
// what the game is written in. The code of the translation to load, or empty
// for English.
QString PickLanguage(const QStringList& preferred, const std::function<bool(const QString&)>& shipped);

// The languages the game ships besides English, by code, in order.
QStringList ShippedLanguages();

// Where the game's translations are embedded: ":/i18n/glimbles_<code>.qm".
QString TranslationFile(const QString& code);

// One language's translations, the game's own and Qt's (its file dialogs,
// message boxes and context menus), installed for as long as this lives, with
// the windows laid out in the language's direction.
class SpokenLanguage {
public:
    explicit SpokenLanguage(const QString& code);
    ~SpokenLanguage();
    SpokenLanguage(const SpokenLanguage&) = delete;
    SpokenLanguage& operator=(const SpokenLanguage&) = delete;

    // False when the game has no translation of that code: English stays.
    bool Spoken() const { return m_spoken; }

private:
    QTranslator m_game;
    QTranslator m_qt;
    bool m_spoken = false;
    bool m_qtSpoken = false;
};

// Speaks the desktop's language for the rest of the program. Returns the
// code picked, empty for English.
QString InstallTranslations(QCoreApplication& application);

// The code InstallTranslations picked, empty for English.
QString CurrentLanguage();
