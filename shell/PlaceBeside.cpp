#include "shell/PlaceBeside.h"

#include <algorithm>

namespace {

// `start` moved so that `length` from it lies within [low, low + room), or
// at `low` when it cannot.
int Within(int start, int length, int low, int room) { return std::max(low, std::min(start, low + room - length)); }

}  // namespace

QPoint PlaceBeside(const QRect& owner, const QSize& frame, const QRect& available) {
    QPoint corner(owner.left() + (owner.width() - frame.width()) / 2,
                  owner.top() + (owner.height() - frame.height()) / 2);
    if (owner.right() + frame.width() <= available.right()) {
        corner = QPoint(owner.right() + 1, owner.top());
    } else if (owner.left() - frame.width() >= available.left()) {
        corner = QPoint(owner.left() - frame.width(), owner.top());
    }
    return {Within(corner.x(), frame.width(), available.left(), available.width()),
            Within(corner.y(), frame.height(), available.top(), available.height())};
}
