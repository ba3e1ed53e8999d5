#pragma once

#include <QByteArray>
#include <QImage>

namespace assetgen {

// How the icon is coloured.
enum class IconStyle {
    Shaded,  // gradients and highlights, for the full-colour renderings
    Flat,    // solid colours that survive a 16-colour palette
};

// The program's icon at `size` pixels: a glimble on a rounded patch of turf,
// transparent around it.
QImage IconImage(int size, IconStyle style = IconStyle::Shaded);

// The icon as a scalable drawing, in full detail: the same picture as the
// largest renderings, written as SVG with a square viewBox.
QByteArray IconSvg();

}  // namespace assetgen
