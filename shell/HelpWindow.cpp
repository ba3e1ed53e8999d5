#include "shell/HelpWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/ShellOpen.h"

namespace {

// The window's first size, in logical pixels, when the screen has room.
constexpr QSize kFirstSize(720, 640);

// The manual's pictures come as "name.png" and, twice as fine, "name@2x.png"
// (as browsers take them from srcset); the page gives each its size in
// pixels, so the finer one fills the same place with more device pixels.
class ManualBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && devicePixelRatioF() > 1.0) {
            const QUrl url = source().resolved(name);
            const QString path = url.toLocalFile();
            if (url.isLocalFile() && path.endsWith(QLatin1String(".png"))) {
                const QImage finer(path.chopped(4) + QStringLiteral("@2x.png"));
                if (!finer.isNull()) return finer;
            }
        }
        return QTextBrowser::loadResource(type, name);
    }
};

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
    if (m_browser->source() == contents) {
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

void HelpWindow::ShowTitle() {
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QFileInfo(m_browser->source().toLocalFile()).fileName() : title);
}
