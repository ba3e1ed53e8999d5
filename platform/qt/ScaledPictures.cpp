#include "platform/qt/ScaledPictures.h"

#include <QPainter>

#include "platform/qt/QtResources.h"

namespace platform::qt {

ScaledPictures::ScaledPictures() : m_loader([](int id) { return QtResources::Instance().Bitmap(id); }) {}

const QImage* ScaledPictures::Frames(int id, int frameW, int frameH, int cellW, int cellH) {
    if (frameW <= 0 || frameH <= 0 || cellW <= 0 || cellH <= 0) return nullptr;
    const Key key{id, frameW, frameH, cellW, cellH};
    if (auto it = m_scaled.find(key); it != m_scaled.end()) return &it->second;

    const QImage* picture = Picture(id);
    if (picture == nullptr || picture->isNull()) return nullptr;
    const int frames = picture->width() / frameW;
    if (frames <= 0 || picture->height() < frameH) return nullptr;

    QImage scaled(frames * cellW, cellH, QImage::Format_RGB32);
    QPainter painter(&scaled);
    for (int k = 0; k < frames; ++k) {
        const QImage frame = picture->copy(k * frameW, 0, frameW, frameH)
                                 .scaled(cellW, cellH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.drawImage(k * cellW, 0, frame);
    }
    painter.end();
    return &m_scaled.emplace(key, std::move(scaled)).first->second;
}

}  // namespace platform::qt
