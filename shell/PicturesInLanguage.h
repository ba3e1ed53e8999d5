#pragma once

#include <QString>

#include "shell/Language.h"

// In a language other than English the pictures that carry words (the status
// strip's plates, the picture buttons, the tips) are drawn in it when first
// shown, by the asset generator's own drawing code, with the game's DejaVu
// faces and the desktop's fonts for scripts they lack. English keeps the
// embedded pictures. False when the fonts are missing: the pictures then stay
// English.
bool DrawPicturesInLanguage();

// One language spoken, its pictures with words drawn in it, for as long as
// this lives; English and the embedded pictures again afterwards. For the
// tools and tests that go through every language.
class LanguageWithPictures {
public:
    explicit LanguageWithPictures(const QString& code) : m_language(code), m_drawn(DrawPicturesInLanguage()) {}
    ~LanguageWithPictures();
    LanguageWithPictures(const LanguageWithPictures&) = delete;
    LanguageWithPictures& operator=(const LanguageWithPictures&) = delete;

    // False when the fonts are missing and the pictures stay English.
    bool Drawn() const { return m_drawn; }

private:
    SpokenLanguage m_language;
    bool m_drawn;
};
