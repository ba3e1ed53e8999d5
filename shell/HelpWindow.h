#pragma once

#include <QWidget>

namespace platform {
class IShellOpen;
}
class ManualBrowser;
class QAction;
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
    // window to the front. A window that was closed opens beside its owner
    // with no history; in one still open, the pages visited before stay
    // reachable with Back.
    void ShowContents(const QString& manual);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct TestAccess;
    void Follow(const QUrl& link);
    void Place();
    void ShowTitle();

    platform::IShellOpen& m_shell;
    ManualBrowser* m_browser = nullptr;
    QAction* m_back = nullptr;      // to the page or place shown before; off when there is none
    QAction* m_forward = nullptr;   // undoes Back; off until Back was used
    bool m_placeOnceShown = false;  // to be placed again when on the screen, its own frame known
};
