#pragma once

#include <QMainWindow>

#include <functional>

class CQuelmView;
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
    // `route` carries a command id past the view to the document and the
    // application; it returns false for ids nobody handles.
    using Router = std::function<bool(int id)>;

    // `shell` opens the help file; it must outlive the frame.
    explicit CMainFrame(platform::IShellOpen& shell);
    ~CMainFrame() override;

    // Puts the view inside the sunken edge and hooks up menus and keys.
    void SetView(CQuelmView* view, Router fallback);
    CQuelmView* View() const { return m_view; }

    // Sends a command along the route; false when nobody handled it.
    bool OnCommand(int id);

    // Sizes the area under the menu bar to width x height pixels, keeping the
    // window's top-left corner.
    void FitClientArea(int width, int height);

    // The caption: the document's title, " - ", and "Glimbles".
    void SetDocumentTitle(const QString& title);

    void OnHelp();

private:
    void BuildMenus();
    void BuildKeyTable();
    void UpdateMenu(QMenu* menu);

    platform::IShellOpen& m_shell;
    CQuelmView* m_view = nullptr;
    QFrame* m_edge = nullptr;  // the 2-pixel sunken edge around the view
    Router m_fallback;
};
