#pragma once

#include "tools/assetgen/Fonts.h"
#include "tools/assetgen/Words.h"

#include "resources/Pictures.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace assetgen {

// One output file, its path relative to the resources folder.
struct GeneratedFile {
    QString path;  // e.g. "bitmaps/130.bmp", "bitmaps/2x/130.png", "sounds/MOVE.wav", "icons/glimbles.svg"
    QByteArray bytes;
};

// A catalogued picture in full colour, before it is stored (8-bit pictures
// are quantised when they are written), drawn `scale` times finer than its
// catalogued size, its words in `words`' language; each text that does not
// fit is added to `misfits` when given (and drawn all the same). Null when
// there is no art for it.
QImage DrawPicture(const FontSet& fonts, const res::PictureInfo& picture, int scale = 1,
                   const Words& words = Words::English(), std::vector<Misfit>* misfits = nullptr);

// The pictures that carry words (plates, picture buttons, tips).
bool CarriesWords(int pictureId);

// Where the picture drawn `scale` times finer is stored, e.g. "bitmaps/2x/131.png".
QString FinerPicturePath(int id, int scale);

// The stored bytes of a finer picture: an opaque full-colour PNG whose
// transparent parts are flattened as the bitmaps flatten them.
QByteArray EncodeFinerPicture(const QImage& image);

// Every picture, sound and icon file, in a fixed order.
std::vector<GeneratedFile> GenerateAssets(const FontSet& fonts);

// The stored bytes of one picture, in its catalogued bits per pixel.
QByteArray EncodePicture(const QImage& image, int bitsPerPixel);

}  // namespace assetgen
