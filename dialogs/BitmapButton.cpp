#include "dialogs/BitmapButton.h"

#include <QPainter>

#include "dialogs/FocusRing.h"
#include "platform/qt/pictures/DeviceScale.h"

static_assert(2 * focus_ring::kInset + 2 * focus_ring::kLineWidth <= res::kButtonWordInset,
              "the focus ring keeps as much face from the word as from the face's edge");

CBitmapButton::CBitmapButton(const QString& text, platform::qt::IPictureSource& pictures, QWidget* parent)
    : QPushButton(text, parent), m_pictures(pictures) {
    // Enter presses the button that has the focus, as in any dialog.
    setAutoDefault(true);
}

void CBitmapButton::LoadBitmaps(int normalId, int pressedId) {
    m_normalId = normalId;
    m_pressedId = pressedId;
    update();
}

QRect CBitmapButton::Face() const {
    const int sink = isDown() ? res::kButtonPressSink : 0;
    return {res::kButtonFaceInset, res::kButtonFaceInset + sink, kWidth - 2 * res::kButtonFaceInset,
            res::kButtonFaceHeight};
}

QSize CBitmapButton::sizeHint() const {
    const QImage* picture = m_pictures.Picture(m_normalId);
    if (picture == nullptr || picture->isNull()) return {kWidth, kHeight};
    return picture->size();
}

void CBitmapButton::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (platform::qt::DrawWholePicture(painter, m_pictures, CurrentBitmap(), QPoint(0, 0))) {
        // The dialog makes its focused button the default while it has the
        // focus, so isDefault() is true of the button Enter presses.
        focus_ring::Draw(painter, focus_ring::For(hasFocus(), isDefault()), Face(), res::kButtonFaceRadius);
        return;
    }
    // Without its pictures the button still shows what it does.
    painter.end();
    QPushButton::paintEvent(event);
}
