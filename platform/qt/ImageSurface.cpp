#include "platform/qt/ImageSurface.h"

namespace platform::qt {

ImageSurface::ImageSurface(QImage& target, IPictureSource& pictures) : m_target(target), m_pictures(pictures) {
    // A view that has not painted yet has no picture: it draws nothing.
    if (target.isNull()) return;
    m_painter.begin(&target);
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
}

void ImageSurface::CopyBitmap(int bitmapId, Rect src, Rect dst) {
    if (!m_painter.isActive() || dst.w <= 0 || dst.h <= 0 || src.w <= 0 || src.h <= 0) return;
    const QImage* picture = m_pictures.Picture(bitmapId);
    if (picture == nullptr || picture->isNull()) return;

    // Never read outside the picture.
    const QRect source = QRect(src.x, src.y, src.w, src.h);
    if (!picture->rect().contains(source)) return;
    const QRect target(dst.x, dst.y, dst.w, dst.h);

    if (src.w == dst.w && src.h == dst.h) {
        m_painter.drawImage(target.topLeft(), *picture, source);
    } else if (src.x % src.w == 0 && src.y == 0 && src.h == picture->height()) {
        // A whole frame of a strip: copy it from the strip scaled once.
        if (const QImage* frames = m_pictures.Frames(bitmapId, src.w, src.h, dst.w, dst.h)) {
            m_painter.drawImage(target.topLeft(), *frames, QRect(src.x / src.w * dst.w, 0, dst.w, dst.h));
        }
    } else {
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        m_painter.drawImage(target, *picture, source);
    }
    m_touched.push_back(target.intersected(m_target.rect()));
}

QRegion ImageSurface::TouchedRegion() const {
    QRegion region;
    for (const QRect& rect : m_touched) region += rect;
    return region;
}

}  // namespace platform::qt
