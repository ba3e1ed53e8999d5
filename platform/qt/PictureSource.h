#pragma once

class QImage;

namespace platform::qt {

// Where the view and the dialogs get their pictures: the embedded ones as
// decoded, and strips cut into frames scaled to the size they are shown at.
class IPictureSource {
public:
    virtual ~IPictureSource() = default;

    // Picture `id` as decoded, or nullptr when there is no such picture.
    virtual const QImage* Picture(int id) = 0;

    // The picture `id` read as frames of frameW x frameH side by side, each
    // scaled to cellW x cellH and laid side by side in the same order; nullptr
    // when the picture is missing or a size is not positive.
    virtual const QImage* Frames(int id, int frameW, int frameH, int cellW, int cellH) = 0;
};

}  // namespace platform::qt
