#include "dialogs/FocusRing.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "dialogs/DialogColours.h"

namespace focus_ring {
namespace {

// The band `width` device pixels wide along the inside of `outer`, whose
// corners are `radius` round.
QPainterPath Band(const QRect& outer, qreal radius, int width) {
    QPainterPath band;  // odd-even filled: the inner outline cuts the hole
    band.addRoundedRect(outer, radius, radius);
    band.addRoundedRect(outer.adjusted(width, width, -width, -width), std::max<qreal>(0, radius - width),
                        std::max<qreal>(0, radius - width));
    return band;
}

// The whole device pixels nearest to `device`: each edge rounded.
QRect OnDevicePixels(const QRectF& device) {
    return QRect(QPoint(qRound(device.left()), qRound(device.top())),
                 QPoint(qRound(device.right()) - 1, qRound(device.bottom()) - 1));
}

}  // namespace

Ring For(bool hasFocus, bool isDefault) {
    if (hasFocus) return Ring::kFocus;
    return isDefault ? Ring::kDefault : Ring::kNone;
}

void Draw(QPainter& painter, Ring ring, const QRect& face, int radius) {
    if (ring == Ring::kNone) return;
    // From here on the painter draws in the device pixels of the window,
    // whose grid a button may sit off by a fraction at scales like 1.5.
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = toDevice.m11();
    const QRect outer = OnDevicePixels(toDevice.mapRect(QRectF(face.adjusted(kInset, kInset, -kInset, -kInset))));
    // Both lines together take the device pixels of two logical pixels;
    // where those are odd the dark line takes the extra one.
    const int both = std::max(2, qRound(2 * kLineWidth * scale));
    const int dark = both - both / 2;
    const qreal round = (radius - kInset) * scale;
    painter.save();
    painter.setWorldTransform(toDevice.inverted(), true);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(Band(outer, round, dark), dialog_colours::kRingDark);
    if (ring == Ring::kFocus) {
        painter.fillPath(Band(outer.adjusted(dark, dark, -dark, -dark), round - dark, both - dark),
                         dialog_colours::kRingLight);
    }
    painter.restore();
}

}  // namespace focus_ring
