#pragma once

#include <QFont>

// The dialogs' font follows the desktop's. A layout names its font for a
// desktop at Qt's own default size; when the desktop's font (the application
// font, which the menus use) is larger, the dialog's font grows in the same
// proportion, and with it everything the layout measures in dialog units.
namespace desktop_font {

// The application font's size when no desktop sets one: what Qt gives on the
// offscreen platform and on X without a desktop. A desktop hands its font to
// Qt through its platform theme, which is also where
// QFontDatabase::systemFont() reads it, so no public call tells a desktop's
// chosen size from its default; the reference is Qt's own.
inline constexpr qreal kDefaultPoints = 9;

// The size of `font` in points, worked out from its pixels when it is set in
// pixels.
qreal Points(const QFont& font);

// How many times larger than the default `desktopFont` is; 1 at the default
// size or below, as the dialogs never shrink.
qreal Scale(const QFont& desktopFont);

// `font` at `scale` times its size; exactly `font` at 1.
QFont Scaled(const QFont& font, qreal scale);

}  // namespace desktop_font
