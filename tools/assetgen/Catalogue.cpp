#include "tools/assetgen/Catalogue.h"

#include <QtGlobal>

namespace assetgen {

const res::PictureInfo& Picture(int id) {
    const res::PictureInfo* picture = res::FindPicture(id);
    if (picture == nullptr) qFatal("glimbles-assetgen: picture %d is not in the catalogue", id);
    return *picture;
}

int TileSize() { return Picture(res::IDB_GRASS_COVERED).height; }

QRect FrameRect(const res::PictureInfo& strip, int frame) {
    const int width = strip.FrameWidth();
    return QRect(frame * width, 0, width, strip.height);
}

}  // namespace assetgen
