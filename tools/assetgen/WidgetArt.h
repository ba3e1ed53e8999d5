#pragma once

#include "tools/assetgen/Fonts.h"
#include "tools/assetgen/Words.h"

#include "resources/Pictures.h"
#include "resources/StatusStrip.h"

#include <QColor>
#include <QImage>

#include <vector>

namespace assetgen {

// The dialogs fill their client area with this green; the arrows and picture
// buttons are drawn on it so their corners blend in.
inline const QColor kDialogGreen(147, 243, 140);

// States of the count dialog's arrows, in frame order.
enum class ArrowState { Normal, Lit, Pressed };

enum class ArrowDirection { Left, Right };

// The plates' top in the status strip, where the panel's rows continue them.
inline constexpr int kLabelTop = status_strip::kLabelTop;

// A plate's or button's word may be squeezed sideways down to this much
// of its width; a word that needs more does not fit.
inline constexpr qreal kMinWordSqueeze = 0.7;

// Draws the status strip, the picture buttons and the count dialog's arrows,
// each at the size its catalogue row gives, times `scale` (1: that size).
// Words are written in `direction`.
class WidgetArt {
public:
    explicit WidgetArt(const FontSet& fonts, int scale = 1, Qt::LayoutDirection direction = Qt::LeftToRight)
        : m_fonts(fonts), m_scale(scale), m_direction(direction) {}

    int Scale() const { return m_scale; }

    // The strip's background: everything is a band across, so it can be
    // stretched sideways to any board width without distortion.
    QImage Panel(const res::PictureInfo& panel) const;

    // A label plate reading `text` whose background continues the panel's
    // rows from kLabelTop down. A word too wide for it is added to `misfits`.
    QImage Label(const res::PictureInfo& plate, const QString& text, std::vector<Misfit>* misfits = nullptr) const;

    // A picture button reading `text`; pressed looks pushed in.
    enum class ButtonKind { Confirm, Dismiss };
    QImage Button(const res::PictureInfo& button, const QString& text, ButtonKind kind, bool pressed,
                  std::vector<Misfit>* misfits = nullptr) const;

    // A strip of arrow frames, one for each ArrowState.
    QImage ArrowStrip(const res::PictureInfo& strip, ArrowDirection direction) const;

private:
    // `text` in bold, centred on `centre` and squeezed into `room` when wider;
    // a misfit when that takes more than kMinWordSqueeze.
    QPainterPath Word(qreal size, const QString& text, QPointF centre, qreal room, int pictureId, const char* where,
                      std::vector<Misfit>* misfits) const;

    const FontSet& m_fonts;
    int m_scale;
    Qt::LayoutDirection m_direction;
};

}  // namespace assetgen
