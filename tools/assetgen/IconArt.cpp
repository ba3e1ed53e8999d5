#include "tools/assetgen/IconArt.h"

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Glimble.h"

#include <QLinearGradient>

namespace assetgen {
namespace {

constexpr int kSmallIcon = 16;  // at this size and below the glimble alone fills the square

void Turf(QPainter& p) {
    const QRectF patch(1, 3, 30, 28);
    QLinearGradient turf(0, patch.top(), 0, patch.bottom());
    turf.setColorAt(0, QColor(126, 206, 78));
    turf.setColorAt(1, QColor(52, 132, 38));
    p.setPen(QPen(QColor(26, 70, 18), 1.2));
    p.setBrush(turf);
    p.drawRoundedRect(patch, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(3, 4.5, 26, 9), 4.5, 4.5);
}

}  // namespace

QImage IconImage(int size) {
    const int factor = size >= 128 ? 2 : 8;  // small sizes get finer sampling
    return Render(size, size, [size](QPainter& p) {
        p.scale(size / 32.0, size / 32.0);  // drawn on a 32-unit square
        if (size <= kSmallIcon) {
            DrawGlimble(p, QRectF(-1, -1.5, 34, 35), GlimbleDetail::Small);
            return;
        }
        Turf(p);
        DrawGlimble(p, QRectF(2.5, -0.5, 27, 31), size >= 32 ? GlimbleDetail::Full : GlimbleDetail::Small);
    }, factor);
}

}  // namespace assetgen
