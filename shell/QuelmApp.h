#pragma once

#include <QString>

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
    // window to the board and shows it. `file`, the command line's file when
    // not empty, is opened as the document first, as Open would. False when
    // the window could not be made.
    bool InitInstance(const QString& file = {});

    // The document's commands (Save), then the application's (About, Open).
    bool OnDocumentCommand(int id);
    bool OnCommand(int id);
    void OnAppAbout();
    void OnFileOpen();

    // Makes `path` the document, reading nothing from it. A file that is not
    // there or cannot be read is reported in a message box naming it, and
    // the document stays as it was. True when it was opened.
    bool OpenDocumentFile(const QString& path);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CQuelmView* View() const { return m_view; }
    CQuelmDoc* Document() const { return m_doc.get(); }

private:
    ViewServices m_services;
    std::unique_ptr<CQuelmDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    CQuelmView* m_view = nullptr;  // owned by the frame
};
