#pragma once

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>

#include <string_view>

namespace platform::qt {

// The game keeps its texts in UTF-8; Qt shows them from a QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// `english` in the player's language, as the translators put it under
// `context`; the English words where there is no translation, and always for
// a text without a context (a name that stays as it is). With a count `n`,
// "%n" in the text becomes that number in the plural form it calls for.
inline QString Translate(const char* context, const char* english, int n = -1) {
    if (context == nullptr || *context == '\0') return QString::fromUtf8(english);
    return QCoreApplication::translate(context, english, nullptr, n);
}

// A menu text as it reads outside its menu: without the access key's mark,
// "&Number" as "Number", "&&" as "&", and a key set apart in brackets the
// way Chinese and Japanese menus show it ("数(&N)") left out whole.
inline QString WithoutAccessKey(QString text) {
    static const QRegularExpression bracketed(QStringLiteral(R"(\s*[(（]&[^&][)）])"));
    text.remove(bracketed);
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    return text.replace(mark, QStringLiteral("\\1"));
}

// A catalogue text (anything with a translators' context and English words)
// in the player's language.
template <class CatalogueText>
QString Tr(const CatalogueText& text) {
    return Translate(text.context, text.english);
}

}  // namespace platform::qt
