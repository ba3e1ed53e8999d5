#include "dialogs/ScreenRoom.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace screen_room {
namespace {

// The window's frame on each side, and its title bar: two lines of the
// desktop's font.
constexpr int kFrameSidePixels = 8;
constexpr int kTitleBarLines = 2;
// Each try is at least this much smaller than the one before.
constexpr qreal kLeastShrink = 0.97;

}  // namespace

QSize RoomFor(const QWidget* parent, const QFont& desktopFont) {
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
    const QSize available = screen->availableGeometry().size();
    const int titleBar = kTitleBarLines * QFontMetrics(desktopFont).height();
    return {available.width() - 2 * kFrameSidePixels, available.height() - 2 * kFrameSidePixels - titleBar};
}

bool Fits(QSize size, QSize room) { return size.width() <= room.width() && size.height() <= room.height(); }

qreal FittingScale(qreal scale, qreal floor, QSize room, const std::function<QSize(qreal scale)>& sizeAt) {
    QSize size = sizeAt(scale);
    while (!Fits(size, room) && scale > floor) {
        // Fits() failing means one side exceeds its room, so that side is not empty.
        const qreal across = size.width() > room.width() ? static_cast<qreal>(room.width()) / size.width() : 1;
        const qreal down = size.height() > room.height() ? static_cast<qreal>(room.height()) / size.height() : 1;
        scale = std::max(floor, scale * std::min({across, down, kLeastShrink}));
        size = sizeAt(scale);
    }
    return scale;
}

}  // namespace screen_room
