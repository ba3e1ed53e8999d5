#pragma once

#include "tools/assetgen/Fonts.h"

#include "resources/Pictures.h"
#include "resources/StatusStrip.h"

#include <QColor>
#include <QImage>

namespace assetgen {

// The dialogs fill their client area with this green; the arrows and picture
// buttons are drawn on it so their corners blend in.
inline const QColor kDialogGreen(147, 243, 140);

// States of the count dialog's arrows, in frame order.
enum class ArrowState { Normal, Lit, Pressed };

enum class ArrowDirection { Left, Right };

// The plates' top in the status strip, where the panel's rows continue them.
inline constexpr int kLabelTop = status_strip::kLabelTop;

// Draws the status strip, the picture buttons and the count dialog's arrows,
// each at the size its catalogue row gives, times `scale` (1: that size).
class WidgetArt {
public:
    explicit WidgetArt(const FontSet& fonts, int scale = 1) : m_fonts(fonts), m_scale(scale) {}

    int Scale() const { return m_scale; }

    // The strip's background: everything is a band across, so it can be
    // stretched sideways to any board width without distortion.
    QImage Panel(const res::PictureInfo& panel) const;

    // A label plate reading `text` whose background continues the panel's
    // rows from kLabelTop down.
    QImage Label(const res::PictureInfo& plate, const QString& text) const;

    // A picture button reading `text`; pressed looks pushed in.
    enum class ButtonKind { Confirm, Dismiss };
    QImage Button(const res::PictureInfo& button, const QString& text, ButtonKind kind, bool pressed) const;

    // A strip of arrow frames, one for each ArrowState.
    QImage ArrowStrip(const res::PictureInfo& strip, ArrowDirection direction) const;

private:
    const FontSet& m_fonts;
    int m_scale;
};

}  // namespace assetgen
