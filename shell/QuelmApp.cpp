#include "shell/QuelmApp.h"

#include <QFileDialog>

#include "resources/CommandIds.h"
#include "shell/FileFilter.h"
#include "shell/MainFrame.h"
#include "shell/QuelmDoc.h"
#include "shell/QuelmView.h"

CQuelmApp::CQuelmApp(ViewServices services) : m_services(services) {}

CQuelmApp::~CQuelmApp() = default;

bool CQuelmApp::InitInstance() {
    m_doc = std::make_unique<CQuelmDoc>();
    if (!m_doc->OnNewDocument()) return false;
    m_frame = std::make_unique<CMainFrame>(m_services.shell);
    m_view = new CQuelmView(*m_frame, m_services);
    m_frame->SetView(m_view, [this](int id) { return OnCommand(id); });
    m_frame->SetDocumentTitle(m_doc->Title());

    // The engine and the window's size are ready before the first paint; the
    // start-up tips follow that paint.
    m_view->CreatePuzzle();
    m_frame->show();
    return true;
}

bool CQuelmApp::OnCommand(int id) {
    if (m_doc && m_doc->OnCommand(id, m_frame.get())) {
        m_frame->SetDocumentTitle(m_doc->Title());
        return true;
    }
    switch (id) {
        case res::ID_APP_ABOUT: OnAppAbout(); return true;
        case res::ID_FILE_OPEN: OnFileOpen(); return true;
        default: return false;
    }
}

void CQuelmApp::OnAppAbout() { m_services.dialogs.RunAbout(); }

void CQuelmApp::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(m_frame.get(), QStringLiteral("Open"), QString(), kAllFilesFilter);
    if (path.isEmpty()) return;
    m_doc->OnOpenDocument(path);
    m_frame->SetDocumentTitle(m_doc->Title());
}
