#pragma once

#include <QPushButton>
#include <QRect>

#include "platform/qt/pictures/PictureSource.h"
#include "resources/Pictures.h"

// A push button drawn from two pictures: one at rest, one while it is held
// down by the mouse or the Space key. It takes the size of its picture and
// otherwise behaves like any button of its dialog (Space when focused, Enter
// when it is the default or the focused button). Inside its face it shows
// the focus ring while it has the keyboard focus, and the thinner default
// ring while Enter presses it from elsewhere (focus_ring). No disabled look.
class CBitmapButton final : public QPushButton {
    Q_OBJECT

public:
    CBitmapButton(const QString& text, platform::qt::IPictureSource& pictures, QWidget* parent);

    // The pictures by resource id: at rest and held down.
    void LoadBitmaps(int normalId, int pressedId);

    // The picture id the button shows now.
    int CurrentBitmap() const { return isDown() ? m_pressedId : m_normalId; }

    QSize sizeHint() const override;

    // Every picture button's size when its picture is missing.
    static constexpr int kWidth = res::kButtonWidth;
    static constexpr int kHeight = res::kButtonHeight;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the picture shown now has its face, in the button's pixels.
    QRect Face() const;

    platform::qt::IPictureSource& m_pictures;
    int m_normalId = 0;   // picture at rest
    int m_pressedId = 0;  // picture while held down
};
