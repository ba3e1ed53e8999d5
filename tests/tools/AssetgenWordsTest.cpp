// The pictures that carry words draw them in any language: menu words lose
// their key marks, Hebrew runs right to left, Chinese wraps between its
// characters and comes from the fallback face, and words too long for their
// place are reported instead of silently cut.
#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "tools/assetgen/AssetSet.h"
#include "tools/assetgen/Bidi.h"
#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Fonts.h"
#include "tools/assetgen/Words.h"

#include "resources/Pictures.h"
#include "resources/ResourceIds.h"
#include "resources/TipTexts.h"

namespace {

using namespace assetgen;

const FontSet& DejaVuWithFallback() {
    static const std::optional<FontSet> fonts = FontSet::Load(QString::fromLatin1(kDefaultFontDir));
    if (!fonts) throw std::runtime_error("the DejaVu fonts are missing");
    return *fonts;
}

struct Rewrite {
    const char16_t* from;
    const char16_t* to;
};

TEST(MenuWords, LoseTheirKeyMarksAndKeyNames) {
    const Rewrite cases[] = {
        {u"&New\tCtrl+N", u"New"},   {u"サイズ設定(&S)", u"サイズ設定"},
        {u"A&&B", u"A&B"},           {u"E&xit", u"Exit"},
        {u"Help\tF1", u"Help"},      {u"版本信息(&A)...", u"版本信息..."},
        {u"Taille (&T)", u"Taille"}, {u"Set Size", u"Set Size"},
    };
    for (const Rewrite& c : cases)
        EXPECT_EQ(MenuWords(QString::fromUtf16(c.from)), QString::fromUtf16(c.to))
            << QString::fromUtf16(c.from).toStdString();
}

TEST(VisualOrder, HebrewTurnsRoundNumbersAndLatinKeepTheirOrder) {
    const Rewrite cases[] = {
        {u"אבג", u"גבא"},
        {u"אב גד", u"דג בא"},
        {u"(אב)", u"(בא)"},
        {u"א 8 × 8 ב", u"ב 8 × 8 א"},
        {u"ב-20", u"20-ב"},
        {u"abc def", u"abc def"},
        {u"א N/2 ב.", u".ב N/2 א"},
        {u"ענק (20 × 20).", u".(20 × 20) קנע"},
        {u"בלוח N × N, מ", u"מ ,N × N חולב"},
        {u"ב־50%", u"50%־ב"},
    };
    for (const Rewrite& c : cases)
        EXPECT_EQ(VisualOrder(QString::fromUtf16(c.from)), QString::fromUtf16(c.to))
            << QString::fromUtf16(c.from).toStdString();
}

TEST(ChineseText, WrapsBetweenCharactersWithinItsBoxNeverBeforeClosingMarks) {
    const FontSet& fonts = DejaVuWithFallback();
    const QString text = QStringLiteral(
        "翻开的格子上的数字，表示它所在的行、列和两条对角线上还藏着几个格林宝。每找到一个，数字就减一。");
    const qreal box = 150;
    const auto lines = WrapText(fonts, 13, text, box);
    EXPECT_GE(lines.size(), 3u);
    QString joined;
    for (const auto& line : lines) {
        QString words;
        qreal width = 0;
        for (const TextRun& run : line) {
            words += run.text;
            width += TextWidth(fonts, run.bold, 13, run.text);
        }
        EXPECT_LE(width, box) << words.toStdString();
        EXPECT_FALSE(words.startsWith(u'，') || words.startsWith(u'。') || words.startsWith(u'、'))
            << words.toStdString();
        joined += words;
    }
    EXPECT_EQ(joined, text);  // no space put in, nothing lost
}

TEST(PictureWords, EnglishFitsEveryPictureThatCarriesWords) {
    int carriers = 0;
    for (const res::PictureInfo& picture : res::AllPictures()) {
        if (!CarriesWords(picture.id)) continue;
        ++carriers;
        std::vector<Misfit> misfits;
        DrawPicture(DejaVuWithFallback(), picture, 1, Words::English(), &misfits);
        for (const Misfit& m : misfits)
            ADD_FAILURE() << picture.id << " " << m.where.toStdString() << ": " << m.text.toStdString();
    }
    EXPECT_EQ(carriers, 6 + (res::IDB_TIP_LAST - res::IDB_TIP_FIRST + 1));
}

TEST(PictureWords, StretchedWordsAreReportedOnPlatesAndButtonsAndStillDrawn) {
    // Every text 40 % longer and with accents, as a long translation may be.
    const Words stretched{[](const res::Text& t) {
                              const QString english = QString::fromUtf8(t.english);
                              return english.isEmpty() ? english : QStringLiteral("[ÀĈĊ %1 ~~~~ ]").arg(english);
                          },
                          Qt::LeftToRight};
    struct Expected {
        int id;
        const char* where;
    };
    const Expected expected[] = {
        {res::IDB_POINTS_LABEL, "plate"},
        {res::IDB_GLIMBLES_LABEL, "plate"},
        {res::IDB_OK, "button"},
        {res::IDB_OK_PRESSED, "button"},
        {res::IDB_CANCEL, "button"},
        {res::IDB_CANCEL_PRESSED, "button"},
        {res::IDB_TIP_FIRST + 3, "options menu"},
    };
    for (const Expected& e : expected) {
        std::vector<Misfit> misfits;
        const res::PictureInfo& picture = Picture(e.id);
        const QImage image = DrawPicture(DejaVuWithFallback(), picture, 1, stretched, &misfits);
        EXPECT_EQ(image.size(), QSize(picture.width, picture.height)) << e.id;
        const bool reported = std::any_of(misfits.begin(), misfits.end(), [&e](const Misfit& m) {
            return m.pictureId == e.id && m.where == QLatin1String(e.where) && m.text.startsWith(u'[');
        });
        EXPECT_TRUE(reported) << e.id << " reports no misfit in its " << e.where;
    }
}

TEST(PictureWords, HebrewTitleEndsAtTheRightOfItsColumn) {
    const Words hebrew{[](const res::Text& t) {
                           return &t == &res::kTipTexts[0].title ? QStringLiteral("מה המספר אומר")
                                                                 : QString::fromUtf8(t.english);
                       },
                       Qt::RightToLeft};
    const QImage tip = DrawPicture(DejaVuWithFallback(), Picture(res::IDB_TIP_FIRST), 1, hebrew);
    const int columnLeft = 214, columnRight = tip.width() - 14;  // the text column of the first tip
    int left = tip.width(), right = -1;
    for (int y = 18; y <= 40; ++y)
        for (int x = columnLeft; x < tip.width() - 8; ++x)
            if (qGray(tip.pixel(x, y)) < 150) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GE(right, columnRight - 4);
    EXPECT_LE(right, columnRight);
    EXPECT_GT(left, columnLeft + 20);  // a short title does not start at the left of the column
}

TEST(FallbackFace, DrawsChineseWhereDejaVuHasNoGlyphs) {
    struct Loader {
        const char* name;
        std::function<std::optional<FontSet>()> load;
    };
    const QString dir = QString::fromLatin1(kDefaultFontDir);
    const Loader loaders[] = {{"generator's face", [&] { return FontSet::Load(dir); }},
                              {"desktop's face", [&] { return FontSet::LoadWithDesktopFallback(dir); }}};
    const QString name = QStringLiteral("格林宝");
    int drawn = 0;
    for (const Loader& loader : loaders) {
        const std::optional<FontSet> fonts = loader.load();
        ASSERT_TRUE(fonts) << loader.name;
        ASSERT_FALSE(fonts->regular.supportsCharacter(name[0])) << "DejaVu has Han now: this test proves nothing";
        if (!fonts->fallback.isValid()) continue;
        const QPainterPath path = TextPath(*fonts, true, 20, name);
        EXPECT_GT(path.boundingRect().width(), 40) << loader.name;
        EXPECT_NEAR(TextWidth(*fonts, true, 20, name), 60, 6) << loader.name;
        ++drawn;
    }
    if (drawn < 2)
        GTEST_SKIP() << "no face with Chinese characters: install fonts-droid-fallback (" << kFallbackFontFile << ")";
}

}  // namespace
