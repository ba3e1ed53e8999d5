#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include <cmath>

// A language made at test time from the English words themselves: every text
// comes back wrapped in markers, its letters accented and 40 % longer, as long
// translations are. Placeholders (%1, %n), access keys (&), bold marks (*),
// line breaks and a menu item's shortcut after its tab stay as they are. A text
// on screen without the markers bypassed translation.
class PseudoLanguage final : public QTranslator {
public:
    static constexpr char16_t kOpen[] = u"[\u00BB";
    static constexpr char16_t kClose[] = u"\u00AB]";

    static QString Translate(const QString& english) {
        const qsizetype tab = english.indexOf(QLatin1Char('\t'));
        const QString words = tab < 0 ? english : english.left(tab);
        const QString shortcut = tab < 0 ? QString() : english.mid(tab);
        static const QString kPlain = QStringLiteral("aceinouyACEINOUY");
        static const QString kAccented = QStringLiteral(
            "\u00E0\u00E7\u00E9\u00EE\u00F1\u00F6\u00FC\u00FF"
            "\u00C0\u00C7\u00C9\u00CE\u00D1\u00D6\u00DC\u0178");
        QString out;
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QChar c = words[i];
            if (c == QLatin1Char('%') && i + 1 < words.size()) {  // a placeholder stays whole
                out += c;
                out += words[++i];
                continue;
            }
            const qsizetype at = kPlain.indexOf(c);
            out += at < 0 ? c : kAccented[at];
        }
        const auto padding = static_cast<qsizetype>(std::ceil(static_cast<double>(words.size()) * 0.4));
        return QString::fromUtf16(kOpen) + out + QString(padding, QLatin1Char('~')) + QString::fromUtf16(kClose) +
               shortcut;
    }

    static bool IsPseudo(const QString& text) {
        return text.contains(QString::fromUtf16(kOpen)) && text.contains(QString::fromUtf16(kClose));
    }

    bool isEmpty() const override { return false; }

    QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        return Translate(QString::fromUtf8(source));
    }
};

// Speaks the pseudo language for as long as it lives.
class PseudoLanguageInstalled {
public:
    PseudoLanguageInstalled() { QCoreApplication::installTranslator(&m_language); }
    ~PseudoLanguageInstalled() { QCoreApplication::removeTranslator(&m_language); }
    PseudoLanguageInstalled(const PseudoLanguageInstalled&) = delete;
    PseudoLanguageInstalled& operator=(const PseudoLanguageInstalled&) = delete;

private:
    PseudoLanguage m_language;
};
