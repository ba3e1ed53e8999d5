#include "tools/assetgen/AssetSet.h"

#include "tools/assetgen/BmpWriter.h"
#include "tools/assetgen/IcoWriter.h"
#include "tools/assetgen/IconArt.h"
#include "tools/assetgen/Quantizer.h"
#include "tools/assetgen/Sounds.h"
#include "tools/assetgen/TileArt.h"
#include "tools/assetgen/TileStrips.h"
#include "tools/assetgen/TipArt.h"
#include "tools/assetgen/WidgetArt.h"

#include "resources/ResourceIds.h"
#include "resources/Sounds.h"

#include <QBuffer>

namespace assetgen {
namespace {

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

bool CarriesWords(int pictureId) {
    switch (pictureId) {
        case res::IDB_POINTS_LABEL:
        case res::IDB_GLIMBLES_LABEL:
        case res::IDB_OK:
        case res::IDB_OK_PRESSED:
        case res::IDB_CANCEL:
        case res::IDB_CANCEL_PRESSED: return true;
        default: return pictureId >= res::IDB_TIP_FIRST && pictureId <= res::IDB_TIP_LAST;
    }
}

QImage DrawPicture(const FontSet& fonts, const res::PictureInfo& picture, int scale, const Words& words,
                   std::vector<Misfit>* misfits) {
    const TileArt tiles(fonts, scale);
    const WidgetArt widgets(fonts, scale, words.direction);
    const int id = picture.id;
    for (const NumberStrip& s : NumberStrips())
        if (s.id == id) return tiles.NumberStrip(s.world, s.kind, FirstNumber(s), picture.frameCount);
    for (const LookStrip& s : LookStrips())
        if (s.id == id) return tiles.CoveredStrip(s.world, picture.frameCount);
    using Kind = WidgetArt::ButtonKind;
    switch (id) {
        case res::IDB_ARROW_DECREASE: return widgets.ArrowStrip(picture, ArrowDirection::Left);
        case res::IDB_ARROW_INCREASE: return widgets.ArrowStrip(picture, ArrowDirection::Right);
        case res::IDB_STATUS_PANEL: return widgets.Panel(picture);
        case res::IDB_POINTS_LABEL: return widgets.Label(picture, words.text(res::kPointsWord), misfits);
        case res::IDB_GLIMBLES_LABEL: return widgets.Label(picture, words.text(res::kGlimblesWord), misfits);
        case res::IDB_OK: return widgets.Button(picture, words.text(res::kOkWord), Kind::Confirm, false, misfits);
        case res::IDB_OK_PRESSED:
            return widgets.Button(picture, words.text(res::kOkWord), Kind::Confirm, true, misfits);
        case res::IDB_CANCEL:
            return widgets.Button(picture, words.text(res::kCancelWord), Kind::Dismiss, false, misfits);
        case res::IDB_CANCEL_PRESSED:
            return widgets.Button(picture, words.text(res::kCancelWord), Kind::Dismiss, true, misfits);
        default: break;
    }
    if (id >= res::IDB_TIP_FIRST && id <= res::IDB_TIP_LAST)
        return TipArt(fonts, tiles, widgets, words, misfits).Tip(id - res::IDB_TIP_FIRST);
    return {};
}

QByteArray EncodePicture(const QImage& image, int bitsPerPixel) {
    return bitsPerPixel == 8 ? EncodeBmp8(Quantize8(image)) : EncodeBmp24(image);
}

QString FinerPicturePath(int id, int scale) { return QStringLiteral("bitmaps/%1x/%2.png").arg(scale).arg(id); }

QByteArray EncodeFinerPicture(const QImage& image) { return Png(image.convertToFormat(QImage::Format_RGB32)); }

std::vector<GeneratedFile> GenerateAssets(const FontSet& fonts) {
    std::vector<GeneratedFile> files;
    for (const res::PictureInfo& picture : res::AllPictures())
        files.push_back({QStringLiteral("bitmaps/%1.bmp").arg(picture.id),
                         EncodePicture(DrawPicture(fonts, picture), picture.bitsPerPixel)});
    for (int scale : res::kFinerScales)
        for (const res::PictureInfo& picture : res::AllPictures())
            files.push_back({FinerPicturePath(picture.id, scale),
                             EncodeFinerPicture(DrawPicture(fonts, picture, scale))});
    for (const res::SoundInfo& sound : res::AllSounds())
        files.push_back({QStringLiteral("sounds/%1.wav").arg(SoundName(sound)), MakeSoundFile(sound)});
    std::vector<QImage> iconImages;
    for (int size : res::kIconImageSizes) iconImages.push_back(IconImage(size, IconStyle::Flat));
    files.push_back({QStringLiteral("icons/glimbles.ico"), EncodeIco16Colours(iconImages)});
    for (int size : res::kIconPngSizes)
        files.push_back({QStringLiteral("icons/glimbles-%1.png").arg(size), Png(IconImage(size))});
    files.push_back({QStringLiteral("icons/glimbles.svg"), IconSvg()});
    return files;
}

}  // namespace assetgen
