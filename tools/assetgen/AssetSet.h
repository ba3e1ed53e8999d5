#pragma once

#include "tools/assetgen/Fonts.h"

#include "resources/Pictures.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace assetgen {

// One output file, its path relative to the resources folder.
struct GeneratedFile {
    QString path;  // e.g. "bitmaps/130.bmp", "sounds/MOVE.wav", "icons/glimbles.ico"
    QByteArray bytes;
};

// A catalogued picture in full colour, before it is stored (8-bit pictures
// are quantised when they are written). Null when there is no art for it.
QImage DrawPicture(const FontSet& fonts, const res::PictureInfo& picture);

// Every picture, sound and icon file, in a fixed order.
std::vector<GeneratedFile> GenerateAssets(const FontSet& fonts);

// The stored bytes of one picture, in its catalogued bits per pixel.
QByteArray EncodePicture(const QImage& image, int bitsPerPixel);

}  // namespace assetgen
