#include "shell/HelpWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/ShellOpen.h"
#include "shell/ManualBrowser.h"
#include "shell/PlaceBeside.h"

namespace {

// The window's first size, in logical pixels, when the screen has room.
constexpr QSize kFirstSize(720, 640);

// Addresses that only the desktop can open.
bool IsWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto");
}

}  // namespace

HelpWindow::HelpWindow(platform::IShellOpen& shell, QWidget* owner) : QWidget(owner, Qt::Window), m_shell(shell) {
    m_browser = new ManualBrowser(this);
    // Every link comes to Follow, which decides where it may lead.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::Follow);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::ShowTitle);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                            QCoreApplication::translate("Help window", "&Back"), m_browser, &QTextBrowser::backward);
    m_back->setShortcut(QKeySequence::Back);
    m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                               QCoreApplication::translate("Help window", "&Forward"), m_browser,
                               &QTextBrowser::forward);
    m_forward->setShortcut(QKeySequence::Forward);
    QAction* contents = bar->addAction(style()->standardIcon(QStyle::SP_ArrowUp),
                                       QCoreApplication::translate("Help window", "&Contents"), m_browser,
                                       &QTextBrowser::home);
    contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);

    QSize size = kFirstSize;
    if (const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    resize(size);
    m_browser->setFocus();
}

void HelpWindow::ShowContents(const QString& manual) {
    const QUrl contents = QUrl::fromLocalFile(QFileInfo(manual).absoluteFilePath());
    if (!isVisible()) {
        // Opening afresh: the contents from their top, and no way back to
        // what was read before the window was closed.
        m_browser->setSource(contents);
        m_browser->clearHistory();
        m_browser->horizontalScrollBar()->setValue(0);
        m_browser->verticalScrollBar()->setValue(0);
        m_browser->DropLinkFocus();
        Place();
        m_placeOnceShown = true;
    } else if (m_browser->source() == contents) {
        m_browser->verticalScrollBar()->setValue(0);
    } else {
        m_browser->setSource(contents);
    }
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    if (m_placeOnceShown && windowHandle() != nullptr) windowHandle()->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // The window's own frame is known once the window manager has framed it
    // and it is on the screen: placed again with that frame, it stays whole
    // on the screen where the owner's frame, standing in, was smaller.
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed() &&
        m_placeOnceShown) {
        m_placeOnceShown = false;
        windowHandle()->removeEventFilter(this);
        Place();
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::Follow(const QUrl& link) {
    const QUrl target = m_browser->source().resolved(link);
    if (IsWebAddress(target)) {
        m_shell.OpenUrl(target.toString(QUrl::FullyEncoded).toStdString());
        return;
    }
    // Pages and places of the manual itself; anything else leads nowhere.
    if (target.isLocalFile() && QFileInfo(target.toLocalFile()).isFile()) m_browser->setSource(target);
}

void HelpWindow::Place() {
    const QWidget* owner = parentWidget();
    if (owner == nullptr || owner->screen() == nullptr) return;  // the desktop places it
    const QRect ownerFrame = owner->frameGeometry();
    // Before the window manager has framed this window its frame is not
    // known: the owner's, from the same window manager, stands in for it.
    QMargins edges = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    if (edges.isNull()) {
        const QRect ownerInside = owner->geometry();
        edges = QMargins(ownerInside.left() - ownerFrame.left(), ownerInside.top() - ownerFrame.top(),
                         ownerFrame.right() - ownerInside.right(), ownerFrame.bottom() - ownerInside.bottom());
    }
    const QPoint corner = PlaceBeside(ownerFrame, size().grownBy(edges), owner->screen()->availableGeometry());
    // Placed by the window's own corner inside the frame, not the frame's
    // (move): on X11 the frame's is put right only while the window's frame
    // is known to Qt, which it is not between a close and the next framing.
    setGeometry(QRect(corner + QPoint(edges.left(), edges.top()), size()));
}

void HelpWindow::ShowTitle() {
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QFileInfo(m_browser->source().toLocalFile()).fileName() : title);
}
