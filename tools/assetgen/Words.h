#pragma once

#include "resources/Text.h"

#include <QString>
#include <Qt>

#include <functional>

namespace assetgen {

// The words the pictures show, in one language.
struct Words {
    std::function<QString(const res::Text&)> text;  // the catalogue text in this language
    Qt::LayoutDirection direction = Qt::LeftToRight;

    // English: the catalogue's own words, left to right.
    static Words English();
    // The words of the translations installed in the application, written in
    // `direction`.
    static Words Installed(Qt::LayoutDirection direction);

    bool RightToLeft() const { return direction == Qt::RightToLeft; }
};

// A text that does not fit where a picture draws it.
struct Misfit {
    int pictureId;
    QString text;   // the words that do not fit
    QString where;  // e.g. "plate", "button", "tip title", "tip body", "options menu"
};

// A menu item's words as drawn: without its access-key mark (a trailing
// "(&X)", else a single "&"; "&&" stands for "&") and without the key name
// after a tab.
QString MenuWords(const QString& item);

}  // namespace assetgen
