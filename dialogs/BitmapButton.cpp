#include "dialogs/BitmapButton.h"

#include <QPainter>

#include "platform/qt/pictures/DeviceScale.h"

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

QSize CBitmapButton::sizeHint() const {
    const QImage* picture = m_pictures.Picture(m_normalId);
    if (picture == nullptr || picture->isNull()) return {kWidth, kHeight};
    return picture->size();
}

void CBitmapButton::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (platform::qt::DrawWholePicture(painter, m_pictures, CurrentBitmap(), QPoint(0, 0))) return;
    // Without its pictures the button still shows what it does.
    painter.end();
    QPushButton::paintEvent(event);
}
