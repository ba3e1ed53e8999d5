#pragma once

#include <QImage>

namespace assetgen {

// The program's icon at `size` pixels: a glimble on a rounded patch of turf,
// transparent around it.
QImage IconImage(int size);

}  // namespace assetgen
