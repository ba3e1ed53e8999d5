#pragma once

namespace platform {

// A rectangle in pixels: left, top, width, height.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Something the game draws on: a window, an off-screen picture, or a recorder
// in tests. All drawing is opaque copying out of the program's pictures.
class IDrawSurface {
public:
    virtual ~IDrawSurface() = default;

    // Copies the rectangle `src` of the picture with resource id `bitmapId`
    // into the rectangle `dst` of this surface, scaled to fit `dst`; the
    // source pixels replace what was there. A picture that does not exist
    // draws nothing.
    virtual void CopyBitmap(int bitmapId, Rect src, Rect dst) = 0;
};

}  // namespace platform
