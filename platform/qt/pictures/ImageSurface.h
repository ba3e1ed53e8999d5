#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <vector>

#include "platform/DrawSurface.h"
#include "platform/qt/pictures/PictureSource.h"

namespace platform::qt {

// A drawing surface over a QImage of device pixels: the view's retained
// window picture, or an off-screen picture being built. Callers draw in
// logical pixels; at `scale` device pixels per logical pixel each copy lands
// on its own device pixels, from pictures at least that fine where there are
// such. It remembers the rectangles it drew, so the caller can present just
// those.
class ImageSurface final : public IDrawSurface {
public:
    ImageSurface(QImage& target, IPictureSource& pictures, qreal scale = 1);

    void CopyBitmap(int bitmapId, Rect src, Rect dst) override;

    // The rectangles drawn so far, in logical pixels, as one region to present.
    QRegion TouchedRegion() const;

private:
    QImage& m_target;
    IPictureSource& m_pictures;
    qreal m_scale;
    QPainter m_painter;
    std::vector<QRect> m_touched;  // device pixels
};

}  // namespace platform::qt
