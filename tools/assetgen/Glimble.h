#pragma once

#include <QPainter>
#include <QRectF>

namespace assetgen {

// How a glimble looks in a picture.
enum class GlimbleDetail {
    Small,  // tile size: body, eyes, antennae; the finer touches would only blur
    Full,   // illustrations and the icon: also cheeks, smile and eye glints
    Flat,   // 16-colour icons: as Small, in solid colours only
};

// Our glimble: a round, violet little creature with big eyes and two
// antennae whose tips glow, standing in `box` (best square; it fills it).
void DrawGlimble(QPainter& p, const QRectF& box, GlimbleDetail detail);

// A faint outline of a glimble, for "somewhere here one is hiding".
void DrawGlimbleGhost(QPainter& p, const QRectF& box, const QColor& colour);

}  // namespace assetgen
