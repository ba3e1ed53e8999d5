#pragma once

#include <QWidget>

namespace platform {
class IShellOpen;
}
class QAction;
class QTextBrowser;
class QUrl;

// The manual, shown in a window of the game's own: no browser is needed.
// Links within the manual are followed here, with Back and Forward; web
// addresses go to the desktop. The window belongs to the main window and
// closes with it.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    // `shell` opens the manual's web links; it must outlive the window.
    HelpWindow(platform::IShellOpen& shell, QWidget* owner);

    // Shows `manual` (a local HTML file) at its beginning and brings the
    // window to the front; pages visited before stay reachable with Back.
    void ShowContents(const QString& manual);

private:
    friend struct TestAccess;
    void Follow(const QUrl& link);
    void ShowTitle();

    platform::IShellOpen& m_shell;
    QTextBrowser* m_browser = nullptr;
    QAction* m_back = nullptr;     // to the page or place shown before; off when there is none
    QAction* m_forward = nullptr;  // undoes Back; off until Back was used
};
