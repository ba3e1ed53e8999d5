#include "dialogs/DesktopFont.h"

#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace desktop_font {

qreal Points(const QFont& font) { return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF(); }

qreal Scale(const QFont& desktopFont) { return std::max<qreal>(1, Points(desktopFont) / kDefaultPoints); }

QFont Scaled(const QFont& font, qreal scale) {
    if (scale == 1) return font;
    QFont scaled = font;
    if (font.pointSizeF() > 0) {
        scaled.setPointSizeF(font.pointSizeF() * scale);
    } else if (font.pixelSize() > 0) {
        scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    }
    return scaled;
}

}  // namespace desktop_font
