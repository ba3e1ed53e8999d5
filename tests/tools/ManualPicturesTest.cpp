// The manual's pictures are the game's: the ones it ships are the ones the
// screenshot tool renders now, pixel for pixel (its words were written from
// them), at the screen scale the test runs at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include <vector>

#include "shell/Language.h"
#include "shell/PicturesInLanguage.h"
#include "tools/screenshot/HelpPictures.h"

namespace {

TEST(Screenshot, TheManualsPicturesAreWhatTheGameDrawsNow) {
    const std::vector<HelpPicture> pictures = RenderHelpPictures();
    ASSERT_EQ(pictures.size(), 4u);
    for (const HelpPicture& picture : pictures) {
        const QString file = HelpPictureFile(picture.name, qApp->devicePixelRatio());
        const QImage shipped(QStringLiteral(GLIMBLES_MANUAL_DIR "/") + file);
        ASSERT_FALSE(shipped.isNull()) << file.toStdString();
        EXPECT_EQ(shipped.convertToFormat(QImage::Format_ARGB32), picture.image.convertToFormat(QImage::Format_ARGB32))
            << file.toStdString() << ": run glimbles-screenshot and read the manual's words again";
    }
}

TEST(Screenshot, EachLanguageHasItsOwnPicturesWithWords) {
    for (const QString& code : ShippedLanguages()) {
        const LanguageWithPictures language(code);
        ASSERT_TRUE(language.Drawn());
        for (const HelpPicture& picture : RenderHelpPictures()) {
            if (!picture.words) continue;
            const QString file = HelpPictureFile(QLatin1String(picture.name) + '.' + code, qApp->devicePixelRatio());
            const QImage shipped(QStringLiteral(GLIMBLES_MANUAL_DIR "/") + file);
            EXPECT_EQ(shipped.convertToFormat(QImage::Format_ARGB32),
                      picture.image.convertToFormat(QImage::Format_ARGB32))
                << file.toStdString() << ": run glimbles-screenshot";
        }
    }
}

}  // namespace
