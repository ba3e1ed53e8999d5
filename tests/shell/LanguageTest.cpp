// Which language the game speaks for a desktop's preferred languages.
#include <gtest/gtest.h>

#include "shell/Language.h"

namespace {

TEST(PickLanguage, TheFirstPreferredLanguageTheGameSpeaks) {
    const QStringList shipped{"de", "pt_BR", "zh_CN", "he"};
    const auto speaks = [&](const QString& code) { return shipped.contains(code); };
    const struct {
        QStringList preferred;
        const char* picked;
    } cases[] = {
        {{"de-DE", "de"}, "de"},
        {{"de-AT"}, "de"},           // by the language alone
        {{"pt-BR", "pt"}, "pt_BR"},  // whole
        {{"pt"}, "pt_BR"},           // Portuguese alone is Brazil's
        {{"zh-Hans-CN", "zh-CN", "zh"}, "zh_CN"},
        {{"fi-FI", "de-DE"}, "de"},  // past a language the game lacks
        {{"en-GB", "de-DE"}, ""},    // English first: English
        {{"C"}, ""},
        {{"fi-FI"}, ""},  // nothing it speaks: English
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PickLanguage(c.preferred, speaks), c.picked) << c.preferred.join(',').toStdString();
}

TEST(ShippedLanguages, EachHasItsTranslationEmbedded) {
    const QStringList codes = ShippedLanguages();
    QStringList listed = QStringLiteral(GLIMBLES_SHIPPED_LANGUAGES).split(QLatin1Char(','));
    listed.sort();
    EXPECT_EQ(codes, listed);
    for (const QString& code : codes) {
        const SpokenLanguage language(code);
        EXPECT_TRUE(language.Spoken()) << code.toStdString();
    }
    EXPECT_FALSE(SpokenLanguage(QStringLiteral("fi")).Spoken());
}

}  // namespace
