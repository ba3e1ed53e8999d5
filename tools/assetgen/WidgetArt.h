#pragma once

#include "tools/assetgen/Fonts.h"

#include <QColor>
#include <QImage>

namespace assetgen {

// The dialogs fill their client area with this green; the arrows and picture
// buttons are drawn on it so their corners blend in.
inline const QColor kDialogGreen(147, 243, 140);

// States of the count dialog's arrows, in frame order.
enum class ArrowState { Normal, Lit, Pressed };
inline constexpr int kArrowStates = 3;
inline constexpr int kArrowFrame = 30;

enum class ArrowDirection { Left, Right };

// The status strip geometry the game uses: labels at (x0, 10) and
// (x0 + 160, 10), the counters' 25 x 25 digits at y 17.
inline constexpr int kPanelWidth = 320;
inline constexpr int kPanelHeight = 60;
inline constexpr int kLabelTop = 10;
inline constexpr int kLabelHeight = 40;
inline constexpr int kPointsLabelWidth = 80;
inline constexpr int kGlimblesLabelWidth = 100;
inline constexpr int kButtonWidth = 120;
inline constexpr int kButtonHeight = 50;

// Draws the status strip, the picture buttons and the count dialog's arrows.
class WidgetArt {
public:
    explicit WidgetArt(const FontSet& fonts) : m_fonts(fonts) {}

    // The strip's background: everything is a band across, so it can be
    // stretched sideways to any board width without distortion.
    QImage Panel() const;

    // A label plate of `width` x 40 whose background continues the panel.
    QImage Label(const QString& text, int width) const;

    // A 120 x 50 picture button reading `text`; pressed looks pushed in.
    enum class ButtonKind { Confirm, Dismiss };
    QImage Button(const QString& text, ButtonKind kind, bool pressed) const;

    // A 90 x 30 strip of the three arrow states.
    QImage ArrowStrip(ArrowDirection direction) const;

private:
    const FontSet& m_fonts;
};

}  // namespace assetgen
