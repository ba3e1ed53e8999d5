// The view's life: the engine it owns, and the Qt events it turns into the
// game's paint and click.
#include "shell/QuelmView.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <utility>

#include "engine/Settings.h"
#include "platform/qt/pictures/DeviceScale.h"
#include "platform/qt/pictures/ImageSurface.h"
#include "resources/StatusStrip.h"

CQuelmView::CQuelmView(FitWindow fitWindow, ViewServices services, QWidget* parent)
    : QWidget(parent), m_fitWindow(std::move(fitWindow)), m_services(services) {
    setAttribute(Qt::WA_OpaquePaintEvent);   // every paint covers what it repaints
    setFocusPolicy(Qt::StrongFocus);         // the board cursor's keys
    platform::qt::painted_parts::Install();  // before anything asks how assistive tools see the view
    setAccessibleName(QCoreApplication::translate("Screen reader", "Game board"));
}

CQuelmView::~CQuelmView() = default;

void CQuelmView::CreatePuzzle() {
    const game_settings::StartSettings stored = game_settings::ReadStartSettings(m_services.settings);

    m_puzzle = std::make_unique<CPuzzle>(m_services.sound, m_services.ticks);
    m_puzzle->Init(stored.count, stored.size, stored.size);

    if (stored.skin != game_settings::Skin::Unchanged) {
        m_puzzle->SetTileSet(res::kTileSets[static_cast<int>(stored.skin)]);
    }

    m_soundOff = stored.soundOff;
    m_puzzle->SetSoundOff(m_soundOff);
    FitWindowToBoard();
    m_tipsPending = true;
}

void CQuelmView::ShowTipsAtStart() { static_cast<void>(OpenStartTips()); }

bool CQuelmView::OpenStartTips() {
    m_tipsPending = false;
    if (game_settings::Read(m_services.settings, game_settings::kTipsHidden)) return false;
    m_services.dialogs.RunTips();
    return true;
}

bool CQuelmView::ShowTipsIfPending() { return m_tipsPending && OpenStartTips(); }

void CQuelmView::Invalidate() {
    m_stale = true;
    update();
    AnnounceChanges();
}

void CQuelmView::paintEvent(QPaintEvent* event) {
    // The picture is kept in the device pixels of the screen the window is
    // on; a window moved to a screen of another scale, or a changed scale, is
    // repainted whole and the picture is drawn again for it.
    const qreal scale = devicePixelRatioF();
    if (scale != m_scale) m_stale = true;
    if (m_stale && m_puzzle) {
        // Build the whole picture off screen, then take it in one step.
        const QSize size(m_puzzle->GetBoardWidth(), m_puzzle->GetBoardHeight() + status_strip::kHeight);
        QImage picture(platform::qt::ToDevice(size, scale), QImage::Format_RGB32);
        {
            platform::qt::ImageSurface surface(picture, m_services.pictures, scale);
            OnDraw(surface);
        }
        m_window = std::move(picture);
        m_scale = scale;
        m_stale = false;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : event->region()) {
        if (m_window.isNull()) {
            painter.fillRect(rect, palette().window());
        } else {
            platform::qt::PresentPart(painter, m_window, m_scale, rect);
        }
    }
    if (m_cursor.Shown() && m_puzzle) DrawCursor(painter);
    // Modal dialogs never open inside a paint: the start-up tips follow it.
    if (m_tipsPending)
        QMetaObject::invokeMethod(
            this, [this] { ShowTipsIfPending(); }, Qt::QueuedConnection);
}

void CQuelmView::mousePressEvent(QMouseEvent* event) {
    // A press on the board goes back to mouse play: the cursor hides.
    if (m_cursor.Shown() && m_puzzle &&
        QRect(0, 0, m_puzzle->GetBoardWidth(), m_puzzle->GetBoardHeight()).contains(event->position().toPoint())) {
        m_cursor.Show(false);
        update(CursorRect());
    }
    // Only the left button plays; Shift and Ctrl make no difference.
    if (event->button() == Qt::LeftButton) OnLButtonDown(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void CQuelmView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is not a move.
    event->accept();
}
