#include "dialogs/BitmapButton.h"

#include <QPainter>

#include "platform/qt/QtResources.h"

CBitmapButton::CBitmapButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // Enter presses the button that has the focus, as in any dialog.
    setAutoDefault(true);
}

void CBitmapButton::LoadBitmaps(int normalId, int pressedId) {
    m_normalId = normalId;
    m_pressedId = pressedId;
    update();
}

QSize CBitmapButton::sizeHint() const {
    const QImage* picture = platform::qt::QtResources::Instance().Bitmap(m_normalId);
    if (picture == nullptr || picture->isNull()) return {kWidth, kHeight};
    return picture->size();
}

void CBitmapButton::SizeToContent() { resize(sizeHint()); }

void CBitmapButton::paintEvent(QPaintEvent* event) {
    const QImage* picture = platform::qt::QtResources::Instance().Bitmap(CurrentBitmap());
    if (picture == nullptr || picture->isNull()) {
        // Without its pictures the button still shows what it does.
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, *picture);
}
