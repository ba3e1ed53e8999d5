#pragma once

#include <memory>

#include "shell/ViewServices.h"

class CMainFrame;
class CQuelmDoc;
class CQuelmView;

// The application: creates the document, the main window and the view, and
// handles the commands that reach it past them (About, Open).
class CQuelmApp {
public:
    explicit CQuelmApp(ViewServices services);
    ~CQuelmApp();

    // Builds the window, creates the engine from the stored settings, fits the
    // window to the board and shows it. False when the window could not be made.
    bool InitInstance();

    bool OnCommand(int id);
    void OnAppAbout();
    void OnFileOpen();

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CQuelmView* View() const { return m_view; }
    CQuelmDoc* Document() const { return m_doc.get(); }

private:
    ViewServices m_services;
    std::unique_ptr<CQuelmDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    CQuelmView* m_view = nullptr;  // owned by the frame
};
