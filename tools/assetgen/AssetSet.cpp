#include "tools/assetgen/AssetSet.h"

#include "tools/assetgen/BmpWriter.h"
#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/IcoWriter.h"
#include "tools/assetgen/IconArt.h"
#include "tools/assetgen/Quantizer.h"
#include "tools/assetgen/Sounds.h"
#include "tools/assetgen/TileArt.h"
#include "tools/assetgen/TipArt.h"
#include "tools/assetgen/WidgetArt.h"

#include <QBuffer>

namespace assetgen {
namespace {

// What each number strip holds: tile set, kind, first number and frame count.
struct NumberStripSpec {
    int id;
    World world;
    Uncovered kind;
    int first;
    int count;
};

constexpr NumberStripSpec kNumberStrips[] = {
    {pic::kGrassEmpty, World::Grass, Uncovered::Empty, 0, kNumberFrames},
    {pic::kGrassFound, World::Grass, Uncovered::Found, 0, kNumberFrames},
    {pic::kSandEmpty, World::Sand, Uncovered::Empty, 0, kNumberFrames},
    {pic::kSandFound, World::Sand, Uncovered::Found, 0, kNumberFrames},
    {pic::kGrassFoundExtra, World::Grass, Uncovered::Found, kFirstExtraNumber, kExtraNumberFrames},
    {pic::kGrassEmptyExtra, World::Grass, Uncovered::Empty, kFirstExtraNumber, kExtraNumberFrames},
    {pic::kSandFoundExtra, World::Sand, Uncovered::Found, kFirstExtraNumber, kExtraNumberFrames},
    {pic::kSandEmptyExtra, World::Sand, Uncovered::Empty, kFirstExtraNumber, kExtraNumberFrames},
};

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QImage DrawPicture(const FontSet& fonts, int id) {
    const TileArt tiles(fonts);
    const WidgetArt widgets(fonts);
    for (const NumberStripSpec& s : kNumberStrips)
        if (s.id == id) return tiles.NumberStrip(s.world, s.kind, s.first, s.count);
    switch (id) {
        case pic::kGrassCovered: return tiles.CoveredStrip(World::Grass);
        case pic::kSandCovered: return tiles.CoveredStrip(World::Sand);
        case pic::kArrowLeft: return widgets.ArrowStrip(ArrowDirection::Left);
        case pic::kArrowRight: return widgets.ArrowStrip(ArrowDirection::Right);
        case pic::kStatusPanel: return widgets.Panel();
        case pic::kPointsLabel: return widgets.Label(QStringLiteral("Points"), kPointsLabelWidth);
        case pic::kGlimblesLabel: return widgets.Label(QStringLiteral("Glimbles"), kGlimblesLabelWidth);
        case pic::kOkNormal: return widgets.Button(QStringLiteral("OK"), WidgetArt::ButtonKind::Confirm, false);
        case pic::kOkPressed: return widgets.Button(QStringLiteral("OK"), WidgetArt::ButtonKind::Confirm, true);
        case pic::kCancelNormal: return widgets.Button(QStringLiteral("Cancel"), WidgetArt::ButtonKind::Dismiss, false);
        case pic::kCancelPressed: return widgets.Button(QStringLiteral("Cancel"), WidgetArt::ButtonKind::Dismiss, true);
        default: break;
    }
    if (id >= pic::kFirstTip && id < pic::kFirstTip + pic::kTipCount)
        return TipArt(fonts, tiles, widgets).Tip(id - pic::kFirstTip);
    return {};
}

QByteArray EncodePicture(const QImage& picture, int depth) {
    return depth == 8 ? EncodeBmp8(Quantize8(picture)) : EncodeBmp24(picture);
}

std::vector<GeneratedFile> GenerateAssets(const FontSet& fonts) {
    std::vector<GeneratedFile> files;
    for (const PictureSpec& spec : kPictures)
        files.push_back({QStringLiteral("bitmaps/%1.bmp").arg(spec.id), EncodePicture(DrawPicture(fonts, spec.id), spec.depth)});
    for (const SoundSpec& spec : kSounds)
        files.push_back({QStringLiteral("sounds/%1.wav").arg(QString::fromLatin1(spec.name)), MakeSoundFile(spec)});
    std::vector<QImage> iconImages;
    for (int size : kIconImageSizes) iconImages.push_back(IconImage(size, IconStyle::Flat));
    files.push_back({QStringLiteral("icons/glimbles.ico"), EncodeIco16Colours(iconImages)});
    for (int size : kIconPngSizes)
        files.push_back({QStringLiteral("icons/glimbles-%1.png").arg(size), Png(IconImage(size))});
    return files;
}

}  // namespace assetgen
