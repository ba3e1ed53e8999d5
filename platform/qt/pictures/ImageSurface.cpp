#include "platform/qt/pictures/ImageSurface.h"

#include "platform/qt/pictures/DeviceScale.h"

namespace platform::qt {

ImageSurface::ImageSurface(QImage& target, IPictureSource& pictures, qreal scale)
    : m_target(target), m_pictures(pictures), m_scale(scale) {
    // A view that has not painted yet has no picture: it draws nothing.
    if (target.isNull() || scale <= 0) return;
    m_painter.begin(&target);
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
}

void ImageSurface::CopyBitmap(int bitmapId, Rect src, Rect dst) {
    if (!m_painter.isActive() || dst.w <= 0 || dst.h <= 0 || src.w <= 0 || src.h <= 0) return;
    const QRect logicalSource(src.x, src.y, src.w, src.h);
    const QRect target = ToDevice(QRect(dst.x, dst.y, dst.w, dst.h), m_scale);
    if (target.isEmpty()) return;

    // The finest set this copy needs, its catalogue size told by its own
    // size; the catalogue's own where that set has no such picture. Only the
    // set drawn from is decoded.
    int fineness = FinenessFor(logicalSource.size(), target.size(), m_scale);
    const QImage* picture = fineness == 1 ? nullptr : m_pictures.Picture(bitmapId, fineness);
    if (picture == nullptr || picture->isNull() || picture->width() % fineness != 0 ||
        picture->height() % fineness != 0) {
        fineness = 1;
        picture = m_pictures.Picture(bitmapId);
        if (picture == nullptr || picture->isNull()) return;
    }
    const QSize catalogued = picture->size() / fineness;

    // Never read outside the picture.
    if (!QRect(QPoint(0, 0), catalogued).contains(logicalSource)) return;
    const QRect source(logicalSource.topLeft() * fineness, logicalSource.size() * fineness);

    if (source.size() == target.size()) {
        m_painter.drawImage(target.topLeft(), *picture, source);
    } else if (src.x % src.w == 0 && src.y == 0 && src.h == catalogued.height()) {
        // A whole frame of a strip: copy it scaled once, when first drawn.
        if (const QImage* frame = m_pictures.Frame(bitmapId, fineness, src.x / src.w, src.w, src.h, target.width(),
                                                   target.height()))
            m_painter.drawImage(target.topLeft(), *frame);
    } else {
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        m_painter.drawImage(target, *picture, source);
    }
    m_touched.push_back(target.intersected(m_target.rect()));
}

QRegion ImageSurface::TouchedRegion() const {
    QRegion region;
    for (const QRect& rect : m_touched) region += ToLogical(rect, m_scale);
    return region;
}

}  // namespace platform::qt
