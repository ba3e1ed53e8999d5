#pragma once

#include <QRect>
#include <QSize>

class QImage;
class QPainter;

// Logical pixels are what the game lays out in: window, cells, hit tests.
// A screen may put more device pixels behind each (its scale: 1, 1.25, 1.5,
// 2, ...); pictures are drawn in device pixels so they stay sharp.
namespace platform::qt {

// The device pixels under a logical rectangle: each edge rounded to the
// nearest device pixel, so rectangles that touch stay touching, with neither
// gap nor overlap. At scale 1 the rectangle itself.
QRect ToDevice(const QRect& logical, qreal scale);

// The smallest logical rectangle covering a device rectangle.
QRect ToLogical(const QRect& device, qreal scale);

// The size of a logical size's device pixels.
QSize ToDevice(QSize logical, qreal scale);

// Which stored set, 1 or one of res::kFinerScales, to draw a part of a
// picture `source` catalogue pixels large onto `device` device pixels on a
// screen of `scale`: the coarsest set at least as fine as the device on the
// less stretched side, so pictures are only ever scaled down; the finest set
// when none is that fine. At scale 1 always the catalogue's own, so such a
// screen shows exactly the catalogue's pictures.
int FinenessFor(QSize source, QSize device, qreal scale);

class IPictureSource;

// Shows the part `logical` of a picture kept in device pixels at `scale`
// (a retained window picture) through a widget's painter, one device pixel
// onto one device pixel.
void PresentPart(QPainter& painter, const QImage& picture, qreal scale, const QRect& logical);

// Draws the whole of picture `id` with its top-left corner at the logical
// point `at`, sharp at the painter's device scale; false when there is no
// such picture.
bool DrawWholePicture(QPainter& painter, IPictureSource& pictures, int id, QPoint at);

}  // namespace platform::qt
