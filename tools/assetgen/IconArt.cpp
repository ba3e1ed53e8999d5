#include "tools/assetgen/IconArt.h"

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Glimble.h"

#include <QLinearGradient>

namespace assetgen {
namespace {

constexpr int kSmallIcon = 16;  // at this size and below the glimble alone fills the square

void Turf(QPainter& p, IconStyle style) {
    const QRectF patch(1, 3, 30, 28);
    QLinearGradient turf(0, patch.top(), 0, patch.bottom());
    turf.setColorAt(0, QColor(126, 206, 78));
    turf.setColorAt(1, QColor(52, 132, 38));
    p.setPen(QPen(QColor(26, 70, 18), 1.2));
    if (style == IconStyle::Flat) p.setBrush(QColor(88, 170, 56));
    else p.setBrush(turf);
    p.drawRoundedRect(patch, 6, 6);
    if (style == IconStyle::Flat) return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(3, 4.5, 26, 9), 4.5, 4.5);
}

}  // namespace

QImage IconImage(int size, IconStyle style) {
    const int factor = size >= 128 ? 2 : 8;  // small sizes get finer sampling
    const bool flat = style == IconStyle::Flat;
    return Render(
        size, size,
        [size, style, flat](QPainter& p) {
            p.scale(size / 32.0, size / 32.0);  // drawn on a 32-unit square
            if (size <= kSmallIcon) {
                DrawGlimble(p, QRectF(-1, -1.5, 34, 35), flat ? GlimbleDetail::Flat : GlimbleDetail::Small);
                return;
            }
            Turf(p, style);
            const GlimbleDetail detail = flat         ? GlimbleDetail::Flat
                                         : size >= 32 ? GlimbleDetail::Full
                                                      : GlimbleDetail::Small;
            DrawGlimble(p, QRectF(3, 0.8, 26, 30), detail);
        },
        factor);
}

}  // namespace assetgen
