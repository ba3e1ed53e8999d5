#pragma once

#include "resources/Pictures.h"
#include "resources/ResourceIds.h"

#include <QRect>

namespace assetgen {

// The game's catalogue row for picture `id`. The generator draws only
// catalogued pictures, so an unknown id stops the program.
const res::PictureInfo& Picture(int id);

// Edge of one square tile frame, as the catalogue's tile strips have it.
int TileSize();

// Where frame `frame` lies in a strip: frames stand side by side from x = 0.
QRect FrameRect(const res::PictureInfo& strip, int frame);

}  // namespace assetgen
