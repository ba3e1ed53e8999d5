#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <vector>

#include "platform/DrawSurface.h"
#include "platform/qt/PictureSource.h"

namespace platform::qt {

// A drawing surface over a QImage: the view's retained window picture, or an
// off-screen picture being built. It remembers the rectangles it drew, so the
// caller can present just those.
class ImageSurface final : public IDrawSurface {
public:
    ImageSurface(QImage& target, IPictureSource& pictures);

    void CopyBitmap(int bitmapId, Rect src, Rect dst) override;

    // The rectangles drawn so far, as one region to present.
    QRegion TouchedRegion() const;

private:
    QImage& m_target;
    IPictureSource& m_pictures;
    QPainter m_painter;
    std::vector<QRect> m_touched;
};

}  // namespace platform::qt
