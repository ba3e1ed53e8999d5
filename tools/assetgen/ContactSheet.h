#pragma once

#include "tools/assetgen/AssetSet.h"
#include "tools/assetgen/Fonts.h"

#include <QImage>

#include <vector>

namespace assetgen {

// A review sheet of the generated files as they are stored: every picture
// (small ones enlarged), the icon, a Tiny and a Huge board in both tile sets
// with their status strips, enlarged 23-pixel tiles of every number, and
// parts of the art at 1x and 2x side by side.
QImage MakeContactSheet(const std::vector<GeneratedFile>& files, const FontSet& fonts);

}  // namespace assetgen
