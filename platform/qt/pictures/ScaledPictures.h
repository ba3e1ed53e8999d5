#pragma once

#include <QImage>

#include <functional>
#include <map>
#include <tuple>

#include "platform/qt/pictures/PictureSource.h"

namespace platform::qt {

// Pictures cut into equal frames and shrunk or stretched to the size they are
// shown at, each frame on its own so no frame bleeds into its neighbour. Made
// once per picture (or frame, when first drawn), fineness and size, then
// copied 1:1: a click only copies pixels.
class ScaledPictures final : public IPictureSource {
public:
    // Returns the decoded picture with a resource id at a fineness, or nullptr.
    using Loader = std::function<const QImage*(int id, int fineness)>;

    // Over the program's embedded pictures.
    ScaledPictures();
    // Over the pictures `loader` finds, e.g. a test's own.
    explicit ScaledPictures(Loader loader) : m_loader(std::move(loader)) {}

    using IPictureSource::Picture;
    const QImage* Picture(int id, int fineness) override { return m_loader(id, fineness); }
    const QImage* Frames(int id, int fineness, int frameW, int frameH, int cellW, int cellH) override;
    const QImage* Frame(int id, int fineness, int frame, int frameW, int frameH, int cellW, int cellH) override;

private:
    using Key = std::tuple<int, int, int, int, int, int>;
    using FrameKey = std::tuple<int, int, int, int, int, int, int>;
    Loader m_loader;
    std::map<Key, QImage> m_scaled;
    std::map<FrameKey, QImage> m_frames;  // single frames, as Frame() made them
};

}  // namespace platform::qt
