#include "shell/PicturesInLanguage.h"

#include <QGuiApplication>

#include <memory>

#include "platform/qt/pictures/EmbeddedFiles.h"
#include "resources/Pictures.h"
#include "tools/assetgen/AssetSet.h"
#include "tools/assetgen/Fonts.h"
#include "tools/assetgen/Words.h"

bool DrawPicturesInLanguage() {
    auto fonts = assetgen::FontSet::LoadWithDesktopFallback(QString::fromLatin1(assetgen::kDefaultFontDir));
    if (!fonts) return false;
    const auto shared = std::make_shared<assetgen::FontSet>(std::move(*fonts));
    const assetgen::Words words = assetgen::Words::Installed(QGuiApplication::layoutDirection());
    platform::qt::EmbeddedFiles::Instance().DrawInstead([shared, words](int id, int fineness) {
        const res::PictureInfo* picture = res::FindPicture(id);
        if (picture == nullptr || !assetgen::CarriesWords(id)) return QImage();
        return assetgen::DrawPicture(*shared, *picture, fineness, words);
    });
    return true;
}

LanguageWithPictures::~LanguageWithPictures() { platform::qt::EmbeddedFiles::Instance().DrawInstead({}); }
