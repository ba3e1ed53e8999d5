#pragma once

#include "tools/assetgen/Fonts.h"

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

// The picture of a catalogue id in full colour, before it is stored
// (8-bit pictures are quantised when they are written). Null for an unknown id.
QImage DrawPicture(const FontSet& fonts, int id);

// Every picture, sound and icon file, in a fixed order.
std::vector<GeneratedFile> GenerateAssets(const FontSet& fonts);

// The stored bytes of one picture, in its catalogued depth.
QByteArray EncodePicture(const QImage& picture, int depth);

}  // namespace assetgen
