#pragma once

#include <QMainWindow>

#include <functional>

class CQuelmView;
class HelpWindow;
namespace platform {
class IShellOpen;
}
class QFrame;
class QMenu;

// The main window: a fixed-size frame with the menu bar, the key table and a
// sunken edge around the view. Commands go to the view first, then the
// document, then the frame, then the application.
class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    // Carries a command id to the document or to the application; false for
    // ids that one does not handle.
    using Router = std::function<bool(int id)>;

    // `shell` opens the manual's web links; it must outlive the frame.
    explicit CMainFrame(platform::IShellOpen& shell);
    ~CMainFrame() override;

    // Puts the view inside the sunken edge and hooks up menus and keys.
    // Commands the view leaves go to `document`, then to the frame itself,
    // then to `application`.
    void SetView(CQuelmView* view, Router document, Router application);
    CQuelmView* View() const { return m_view; }

    // Sends a command along the route; false when nobody handled it.
    bool OnCommand(int id);

    // Sizes the area under the menu bar to width x height pixels. A window on
    // the screen keeps its top-left corner; one not yet shown asks for no
    // place, so the window manager places it as any new window.
    void FitClientArea(int width, int height);

    // The caption: the document's title, " - ", and "Glimbles".
    void SetDocumentTitle(const QString& title);

    // Shows the manual in the help window, or says it cannot be found.
    void OnHelp();
    // The help window once Help has opened it, else null.
    HelpWindow* Help() const { return m_help; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildKeyTable();
    void UpdateMenu(QMenu* menu);

    platform::IShellOpen& m_shell;
    CQuelmView* m_view = nullptr;
    QFrame* m_edge = nullptr;      // the 2-pixel sunken edge around the view
    Router m_document;             // the document's commands
    Router m_application;          // the application's commands
    HelpWindow* m_help = nullptr;  // made by the first Help, owned by the frame
};
