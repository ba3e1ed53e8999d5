#pragma once

#include <QSize>

#include <functional>

class QFont;
class QWidget;

// Keeps a dialog that grows with the desktop's font within the screen.
namespace screen_room {

// The largest client area a dialog of `parent` (the primary screen's without
// one) can have: the screen's available geometry less the window's frame and
// title bar. The window manager adds those only when the dialog shows, so
// they are estimated from the desktop's font, which their title is written
// in. Unlimited without a screen.
QSize RoomFor(const QWidget* parent, const QFont& desktopFont);

bool Fits(QSize size, QSize room);

// A scale from `scale` down to `floor`, close to the largest, at which a
// dialog fits `room`, tried from the top: `sizeAt` lays the dialog out at a
// scale and gives its size, and is called last with the scale returned. Each
// try shrinks by as much as the dialog overflowed, or a little more, since
// its pictures do not shrink. At `floor` the dialog stays as it is, fitting
// or not.
qreal FittingScale(qreal scale, qreal floor, QSize room, const std::function<QSize(qreal scale)>& sizeAt);

}  // namespace screen_room
