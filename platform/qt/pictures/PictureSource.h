#pragma once

class QImage;

namespace platform::qt {

// Where the view and the dialogs get their pictures: the embedded ones as
// decoded, at their catalogue size or drawn finer, and strips cut into frames
// scaled to the device pixels they are shown at.
class IPictureSource {
public:
    virtual ~IPictureSource() = default;

    // Picture `id` at its catalogue size, or nullptr when there is none.
    const QImage* Picture(int id) { return Picture(id, 1); }

    // Picture `id` drawn `fineness` times finer (1 or one of
    // res::kFinerScales), or nullptr when there is no such picture.
    virtual const QImage* Picture(int id, int fineness) = 0;

    // The picture `id` at `fineness` read as frames of frameW x frameH
    // catalogue pixels side by side, each scaled to cellW x cellH pixels and
    // laid side by side in the same order; nullptr when the picture is missing
    // or a size is not positive.
    virtual const QImage* Frames(int id, int fineness, int frameW, int frameH, int cellW, int cellH) = 0;

    // Frame `frame` (0 first) of those alone, cellW x cellH pixels: only the
    // frames drawn are scaled. Its pixels are that frame's in Frames().
    virtual const QImage* Frame(int id, int fineness, int frame, int frameW, int frameH, int cellW, int cellH) = 0;
};

}  // namespace platform::qt
