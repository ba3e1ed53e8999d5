#include "dialogs/NumberGlimb.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>

#include "dialogs/CountField.h"
#include "dialogs/DialogColours.h"
#include "platform/qt/pictures/DeviceScale.h"
#include "platform/qt/pictures/ImageSurface.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"

// Drawing "on the window": each copy lands in the retained picture and is
// shown at once, so a press is seen before the wait that follows it.
class CNumberGlimb::WindowSurface final : public platform::IDrawSurface {
public:
    explicit WindowSurface(CNumberGlimb& dialog) : m_dialog(dialog) {}

    void CopyBitmap(int bitmapId, platform::Rect src, platform::Rect dst) override {
        {
            platform::qt::ImageSurface picture(m_dialog.m_window, m_dialog.Pictures(), m_dialog.m_scale);
            picture.CopyBitmap(bitmapId, src, dst);
        }
        m_dialog.Present({dst.x, dst.y, dst.w, dst.h});
    }

private:
    CNumberGlimb& m_dialog;
};

CNumberGlimb::CNumberGlimb(int smallest, int largest, int number, platform::qt::IPictureSource& pictures,
                           QWidget* parent)
    : CLayoutDialog(res::IDD_NUMBER_GLIMBLES, pictures, parent), m_picker(smallest, largest, number),
      m_pressWait([] { QThread::msleep(kPressMilliseconds); }) {
    setMouseTracking(true);
    m_picker.SetClientWidth(width());
    m_field = new CountField(m_picker, this);
    FitPicture();
    for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);
    // The number comes first on the keyboard, then OK and Cancel.
    QWidget* previous = m_field;
    for (const int id : {res::IDOK, res::IDCANCEL}) {
        if (QWidget* button = Control(id)) {
            QWidget::setTabOrder(previous, button);
            previous = button;
        }
    }
    m_field->setFocus();
}

void CNumberGlimb::FitPicture() {
    const qreal scale = devicePixelRatioF();
    const QSize device = platform::qt::ToDevice(size(), scale);
    if (m_window.size() == device && m_scale == scale) return;
    m_scale = scale;
    m_window = QImage(device, QImage::Format_RGB32);
    m_window.fill(dialog_colours::kBackground);
}

void CNumberGlimb::resizeEvent(QResizeEvent* event) {
    m_picker.SetClientWidth(width());
    m_field->Place();
    FitPicture();
    CLayoutDialog::resizeEvent(event);
}

void CNumberGlimb::Present(const QRect& rect) {
    m_presenting = true;
    repaint(rect);
    m_presenting = false;
}

void CNumberGlimb::paintEvent(QPaintEvent* event) {
    if (!m_presenting) {
        // A real paint request: the background, the number, the arrows, in
        // the device pixels of the screen the dialog is on now.
        FitPicture();
        m_window.fill(dialog_colours::kBackground);
        platform::qt::ImageSurface surface(m_window, Pictures(), m_scale);
        m_picker.DrawNumber(surface);
        m_picker.DrawArrows(surface);
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : event->region()) platform::qt::PresentPart(painter, m_window, m_scale, rect);
}

void CNumberGlimb::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    WindowSurface surface(*this);
    m_picker.OnMouseMove(surface, point.x(), point.y());
    CLayoutDialog::mouseMoveEvent(event);
}

void CNumberGlimb::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        WindowSurface surface(*this);
        m_picker.OnLButtonDown(surface, m_pressWait);
        m_field->AnnounceNumber();
    }
    CLayoutDialog::mousePressEvent(event);
}

namespace {

// What a key does to the number: -1 lowers it, +1 raises it, 0 not a step key.
int StepOf(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
        case Qt::Key_Minus: return -1;
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Plus: return 1;
        default: return 0;
    }
}

}  // namespace

bool CNumberGlimb::StepKey(const QKeyEvent& key) {
    const int step = StepOf(key);
    if (step == 0) return false;
    WindowSurface surface(*this);
    m_picker.OnStepKey(surface, step, m_pressWait);
    m_field->AnnounceNumber();
    return true;
}

void CNumberGlimb::keyPressEvent(QKeyEvent* event) {
    if (!StepKey(*event)) CLayoutDialog::keyPressEvent(event);
}

bool CNumberGlimb::eventFilter(QObject* watched, QEvent* event) {
    // The buttons would take the arrow keys to move the focus between them.
    if (event->type() == QEvent::KeyPress && StepKey(*static_cast<QKeyEvent*>(event))) return true;
    return CLayoutDialog::eventFilter(watched, event);
}
