#include "tools/assetgen/Canvas.h"

#include <array>
#include <cstddef>

namespace assetgen {

QImage Render(int width, int height, const PaintFn& paint, int factor, int scale) {
    const int device = factor * scale;  // painted pixels per picture pixel, each way
    QImage big(width * device, height * device, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.scale(device, device);
        paint(p);
    }
    return Downsample(big, factor);
}

QImage Downsample(const QImage& source, int factor) {
    const QImage big = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = big.width() / factor;
    const int h = big.height() / factor;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const int area = factor * factor;
    for (int y = 0; y < h; ++y) {
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            std::array<int, 4> sum{0, 0, 0, 0};
            for (int dy = 0; dy < factor; ++dy) {
                const QRgb* src = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + dy)) +
                                  static_cast<std::ptrdiff_t>(x) * factor;
                for (int dx = 0; dx < factor; ++dx) {
                    sum[0] += qAlpha(src[dx]);
                    sum[1] += qRed(src[dx]);
                    sum[2] += qGreen(src[dx]);
                    sum[3] += qBlue(src[dx]);
                }
            }
            dst[x] = qRgba((sum[1] + area / 2) / area, (sum[2] + area / 2) / area, (sum[3] + area / 2) / area,
                           (sum[0] + area / 2) / area);
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32);
}

QImage JoinFrames(const std::vector<QImage>& frames) {
    if (frames.empty()) return {};
    const int w = frames.front().width();
    const int h = frames.front().height();
    QImage strip(w * static_cast<int>(frames.size()), h, QImage::Format_ARGB32);
    strip.fill(Qt::black);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t k = 0; k < frames.size(); ++k) p.drawImage(static_cast<int>(k) * w, 0, frames[k]);
    return strip;
}

}  // namespace assetgen
