#pragma once

#include <QImage>

#include <functional>
#include <map>
#include <tuple>

namespace platform::qt {

// Pictures cut into equal frames and shrunk or stretched to the size they are
// shown at, each frame on its own so no frame bleeds into its neighbour. Made
// once per picture and size, then copied 1:1: a click only copies pixels.
class ScaledPictures {
public:
    // Returns the decoded picture with a resource id, or nullptr.
    using Loader = std::function<const QImage*(int id)>;

    explicit ScaledPictures(Loader loader) : m_loader(std::move(loader)) {}

    const QImage* Picture(int id) const { return m_loader(id); }

    // The picture `id` read as frames of frameW x frameH side by side, each
    // scaled to cellW x cellH and laid side by side in the same order; nullptr
    // when the picture is missing or a size is not positive.
    const QImage* Frames(int id, int frameW, int frameH, int cellW, int cellH);

private:
    using Key = std::tuple<int, int, int, int, int>;
    Loader m_loader;
    std::map<Key, QImage> m_scaled;
};

}  // namespace platform::qt
