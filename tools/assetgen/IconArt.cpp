#include "tools/assetgen/IconArt.h"

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Glimble.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QSvgGenerator>

namespace assetgen {
namespace {

constexpr int kSmallIcon = 16;    // at this size and below the glimble alone fills the square
constexpr qreal kIconUnits = 32;  // the icon is laid out on a square of this many units
// The scalable icon's viewBox, and its default size at the desktop's usual density.
constexpr int kSvgSize = 256;
constexpr int kSvgDotsPerInch = 96;

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

// The icon as drawn for `size` pixels, on a square of kIconUnits at the
// painter's origin; the size picks how much detail there is.
void PaintIcon(QPainter& p, int size, IconStyle style) {
    const bool flat = style == IconStyle::Flat;
    if (size <= kSmallIcon) {
        DrawGlimble(p, QRectF(-1, -1.5, 34, 35), flat ? GlimbleDetail::Flat : GlimbleDetail::Small);
        return;
    }
    Turf(p, style);
    const GlimbleDetail detail = flat ? GlimbleDetail::Flat : size >= 32 ? GlimbleDetail::Full : GlimbleDetail::Small;
    DrawGlimble(p, QRectF(3, 0.8, 26, 30), detail);
}

}  // namespace

QImage IconImage(int size, IconStyle style) {
    const int factor = size >= 128 ? 2 : 8;  // small sizes get finer sampling
    return Render(
        size, size,
        [size, style](QPainter& p) {
            p.scale(size / kIconUnits, size / kIconUnits);
            PaintIcon(p, size, style);
        },
        factor);
}

QByteArray IconSvg() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(QStringLiteral("2Glimbles"));
    svg.setDescription(QStringLiteral("The 2Glimbles icon: a glimble on a patch of turf."));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setResolution(kSvgDotsPerInch);
    QPainter p(&svg);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(kSvgSize / kIconUnits, kSvgSize / kIconUnits);
    PaintIcon(p, kSvgSize, IconStyle::Shaded);
    p.end();
    return bytes;
}

}  // namespace assetgen
