#pragma once

#include <QRect>

class QPainter;

// How a picture button shows the keyboard, drawn inside its picture's face:
// the button with the keyboard focus shows a dark line with a white one
// inside it, which together stand out on the light top and the dark bottom of
// a green or a red face alike; the button Enter presses while the focus is
// elsewhere shows the dark line alone.
namespace focus_ring {

enum class Ring { kNone, kDefault, kFocus };

// The ring of a button that has the focus or that Enter presses.
Ring For(bool hasFocus, bool isDefault);

// Each line's width and the ring's distance inside the face, in logical
// pixels. The ring keeps as far from the face's word.
inline constexpr int kLineWidth = 1;
inline constexpr int kInset = 3;

// Draws `ring` inside `face` (logical pixels; its ends `radius` round) at the
// painter's device scale, in whole device pixels: the straight edges stay
// crisp at every scale, the round ends are smoothed.
void Draw(QPainter& painter, Ring ring, const QRect& face, int radius);

}  // namespace focus_ring
