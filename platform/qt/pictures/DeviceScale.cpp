#include "platform/qt/pictures/DeviceScale.h"

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include "platform/qt/pictures/PictureSource.h"
#include "resources/Pictures.h"

namespace platform::qt {
namespace {

int Edge(int logical, qreal scale) { return static_cast<int>(std::lround(logical * scale)); }

}  // namespace

QRect ToDevice(const QRect& logical, qreal scale) {
    const int left = Edge(logical.x(), scale);
    const int top = Edge(logical.y(), scale);
    return {left, top, Edge(logical.x() + logical.width(), scale) - left,
            Edge(logical.y() + logical.height(), scale) - top};
}

QRect ToLogical(const QRect& device, qreal scale) {
    const int left = static_cast<int>(std::floor(device.x() / scale));
    const int top = static_cast<int>(std::floor(device.y() / scale));
    const int right = static_cast<int>(std::ceil((device.x() + device.width()) / scale));
    const int bottom = static_cast<int>(std::ceil((device.y() + device.height()) / scale));
    return {left, top, right - left, bottom - top};
}

QSize ToDevice(QSize logical, qreal scale) { return ToDevice(QRect(QPoint(0, 0), logical), scale).size(); }

int FinenessFor(QSize source, QSize device, qreal scale) {
    if (scale <= 1 || source.isEmpty()) return 1;
    // Device pixels per catalogue pixel on the side stretched least: the
    // status panel is stretched sideways only, and its height tells.
    const double needed = std::min(static_cast<double>(device.width()) / source.width(),
                                   static_cast<double>(device.height()) / source.height());
    constexpr double kSlack = 1e-9;
    if (needed <= 1 + kSlack) return 1;
    for (const int scale : res::kFinerScales)
        if (needed <= scale + kSlack) return scale;
    return std::end(res::kFinerScales)[-1];
}

void PresentPart(QPainter& painter, const QImage& picture, qreal scale, const QRect& logical) {
    if (scale == 1) {
        painter.drawImage(logical.topLeft(), picture, logical);
        return;
    }
    const QRect device = ToDevice(logical, scale).intersected(picture.rect());
    painter.drawImage(QRectF(QPointF(device.topLeft()) / scale, QSizeF(device.size()) / scale), picture, device);
}

bool DrawWholePicture(QPainter& painter, IPictureSource& pictures, int id, QPoint at) {
    const QImage* catalogued = pictures.Picture(id);
    if (catalogued == nullptr || catalogued->isNull()) return false;
    const qreal scale = painter.device()->devicePixelRatioF();
    if (scale == 1) {
        painter.drawImage(at, *catalogued);
        return true;
    }
    const QRect device = ToDevice(QRect(at, catalogued->size()), scale);
    const int w = catalogued->width(), h = catalogued->height();
    const QImage* shown = pictures.Frames(id, FinenessFor(catalogued->size(), device.size(), scale), w, h,
                                          device.width(), device.height());
    if (shown == nullptr) shown = pictures.Frames(id, 1, w, h, device.width(), device.height());
    if (shown == nullptr) return false;
    painter.drawImage(QRectF(QPointF(device.topLeft()) / scale, QSizeF(device.size()) / scale), *shown,
                      QRectF(0, 0, device.width(), device.height()));
    return true;
}

}  // namespace platform::qt
