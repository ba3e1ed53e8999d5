#include "platform/qt/pictures/ScaledPictures.h"

#include <QPainter>

#include "platform/qt/pictures/EmbeddedFiles.h"

namespace platform::qt {
namespace {

// The part `source` of `picture` on its own, scaled to `size`: so no frame
// bleeds into its neighbour. A whole picture is scaled as it is.
QImage ScaledFrame(const QImage& picture, const QRect& source, QSize size) {
    const QImage part = source == picture.rect() ? picture : picture.copy(source);
    return part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

ScaledPictures::ScaledPictures()
    : m_loader([](int id, int fineness) { return EmbeddedFiles::Instance().Bitmap(id, fineness); }) {}

const QImage* ScaledPictures::Frames(int id, int fineness, int frameW, int frameH, int cellW, int cellH) {
    if (fineness <= 0 || frameW <= 0 || frameH <= 0 || cellW <= 0 || cellH <= 0) return nullptr;
    const Key key{id, fineness, frameW, frameH, cellW, cellH};
    if (auto it = m_scaled.find(key); it != m_scaled.end()) return &it->second;

    const QImage* picture = Picture(id, fineness);
    if (picture == nullptr || picture->isNull()) return nullptr;
    const int sourceW = frameW * fineness;
    const int sourceH = frameH * fineness;
    const int frames = picture->width() / sourceW;
    if (frames <= 0 || picture->height() < sourceH) return nullptr;
    // Frames already at their size are the picture itself.
    if (sourceW == cellW && sourceH == cellH && picture->size() == QSize(frames * cellW, cellH)) return picture;

    QImage scaled(frames * cellW, cellH, QImage::Format_RGB32);
    QPainter painter(&scaled);
    for (int k = 0; k < frames; ++k)
        painter.drawImage(k * cellW, 0, ScaledFrame(*picture, QRect(k * sourceW, 0, sourceW, sourceH), {cellW, cellH}));
    painter.end();
    return &m_scaled.emplace(key, std::move(scaled)).first->second;
}

const QImage* ScaledPictures::Frame(int id, int fineness, int frame, int frameW, int frameH, int cellW, int cellH) {
    if (frame < 0 || fineness <= 0 || frameW <= 0 || frameH <= 0 || cellW <= 0 || cellH <= 0) return nullptr;
    const FrameKey key{id, fineness, frame, frameW, frameH, cellW, cellH};
    if (auto it = m_frames.find(key); it != m_frames.end()) return &it->second;

    const QImage* picture = Picture(id, fineness);
    if (picture == nullptr || picture->isNull()) return nullptr;
    const QRect source(frame * frameW * fineness, 0, frameW * fineness, frameH * fineness);
    if (!picture->rect().contains(source)) return nullptr;
    // Drawn onto an opaque picture as Frames() draws it into its strip.
    QImage scaled = ScaledFrame(*picture, source, {cellW, cellH}).convertToFormat(QImage::Format_RGB32);
    return &m_frames.emplace(key, std::move(scaled)).first->second;
}

}  // namespace platform::qt
