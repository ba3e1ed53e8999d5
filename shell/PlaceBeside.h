#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window whose frame is `frame` big opens by the window `owner` (its
// frame) on a screen whose free area is `available`: to the owner's right
// when there is room, else to its left, else centred on it; moved in from
// the screen's edges as far as it fits. Returns the frame's top-left corner.
QPoint PlaceBeside(const QRect& owner, const QSize& frame, const QRect& available);
