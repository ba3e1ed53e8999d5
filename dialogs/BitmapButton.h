#pragma once

#include <QPushButton>

// A push button drawn from two pictures: one at rest, one while it is held
// down by the mouse or the Space key. It takes the size of its picture and
// otherwise behaves like any button of its dialog (Space when focused, Enter
// when it is the default or the focused button). No focus or disabled look.
class CBitmapButton final : public QPushButton {
    Q_OBJECT

public:
    CBitmapButton(const QString& text, QWidget* parent);

    // The pictures by resource id, like the framework's LoadBitmaps.
    void LoadBitmaps(int normalId, int pressedId);
    // Takes the size of the normal picture, keeping the top-left corner.
    void SizeToContent();

    // The picture id the button shows now.
    int CurrentBitmap() const { return isDown() ? m_pressedId : m_normalId; }

    QSize sizeHint() const override;

    // Every picture button's size when its picture is missing.
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 50;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_normalId = 0;   // picture at rest
    int m_pressedId = 0;  // picture while held down
};
