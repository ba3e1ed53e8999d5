#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace assetgen {

// An icon file of 16-colour images: each a bitmap with a 40-byte header of
// doubled height, a 16-entry palette, the 4-bit colour rows and a 1-bit
// transparency mask (1 = transparent), rows bottom-up and padded to 4 bytes.
// Pixels with less than half alpha become transparent; palette entry 0 is
// black and fills them.
QByteArray EncodeIco16Colours(const std::vector<QImage>& images);

}  // namespace assetgen
