#include "shell/ManualBrowser.h"

#include <QAccessible>
#include <QImage>
#include <QScrollBar>

#include "platform/qt/accessibility/Announce.h"

namespace {

// The manual's page colours, as its style sheet gives them to the body, and
// link colours that read as well on that page. The page colours its text and
// ground itself; what it leaves to the theme (list bullets, the frame around
// the link in focus, links, the ground below a short page) takes these
// instead, or a dark theme would put light ink on the light page.
constexpr QRgb kPage = 0xf4fbf1;
constexpr QRgb kInk = 0x1d2b1e;
constexpr QRgb kLink = 0x0a53a8;
constexpr QRgb kLinkVisited = 0x5b2a86;

}  // namespace

ManualBrowser::ManualBrowser(QWidget* parent) : QTextBrowser(parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(kPage));
    colours.setColor(QPalette::Text, QColor(kInk));
    colours.setColor(QPalette::Link, QColor(kLink));
    colours.setColor(QPalette::LinkVisited, QColor(kLinkVisited));
    setPalette(colours);
    // Links take their colour from the application's palette as a page is
    // read, not from this one: a style sheet of the document's own sets it.
    document()->setDefaultStyleSheet(QStringLiteral("a { color: %1; }").arg(QColor(kLink).name()));
}

// The manual's pictures come as "name.png" and, twice as fine, "name@2x.png"
// (as browsers take them from srcset); the page gives each its size in
// pixels, so the finer one fills the same place with more device pixels.
QVariant ManualBrowser::loadResource(int type, const QUrl& name) {
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

// Each place in the history keeps its scroll position and the link in focus
// there, and on return the browser brings that link into view. A link left
// out of view (the one just followed to a place further on, or one scrolled
// away from) would pull the page back to it: it is forgotten on leaving a
// place and on arriving at one.
void ManualBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    DropHiddenLinkFocus();
    QTextBrowser::doSetSource(name, type);
    DropHiddenLinkFocus();
}

void ManualBrowser::backward() {
    DropHiddenLinkFocus();
    QTextBrowser::backward();
    DropHiddenLinkFocus();
}

void ManualBrowser::forward() {
    DropHiddenLinkFocus();
    QTextBrowser::forward();
    DropHiddenLinkFocus();
}

void ManualBrowser::DropLinkFocus() {
    const int across = horizontalScrollBar()->value();
    const int down = verticalScrollBar()->value();
    setTextCursor(cursorForPosition(QPoint(0, 0)));  // no selection, so no link in focus
    horizontalScrollBar()->setValue(across);
    verticalScrollBar()->setValue(down);
}

void ManualBrowser::DropHiddenLinkFocus() {
    const QTextCursor focus = textCursor();
    if (focus.hasSelection() && !viewport()->rect().contains(cursorRect(focus))) DropLinkFocus();
}

// Tab and Shift+Tab go from link to link; the browser draws a frame around the
// one in focus, and assistive tools hear of it as the text selected.
bool ManualBrowser::focusNextPrevChild(bool next) {
    const bool moved = QTextBrowser::focusNextPrevChild(next);
    if (moved && textCursor().hasSelection()) AnnounceLinkFocus();
    return moved;
}

void ManualBrowser::AnnounceLinkFocus() {
    if (!platform::qt::AnnouncementsHeard()) return;
    const QTextCursor link = textCursor();
    QAccessibleTextSelectionEvent selected(this, link.selectionStart(), link.selectionEnd());
    platform::qt::Announce(selected);
    QAccessibleTextCursorEvent moved(this, link.position());
    platform::qt::Announce(moved);
}
