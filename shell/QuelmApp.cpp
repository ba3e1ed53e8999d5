#include "shell/QuelmApp.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "resources/CommandIds.h"
#include "shell/CatalogueText.h"
#include "shell/DocumentFile.h"
#include "shell/FileFilter.h"
#include "shell/MainFrame.h"
#include "shell/QuelmDoc.h"
#include "shell/QuelmView.h"

CQuelmApp::CQuelmApp(ViewServices services) : m_services(services) {}

CQuelmApp::~CQuelmApp() = default;

bool CQuelmApp::InitInstance(const QString& file) {
    m_doc = std::make_unique<CQuelmDoc>();
    if (!m_doc->OnNewDocument()) return false;
    m_frame = std::make_unique<CMainFrame>(m_services.shell);
    m_view = new CQuelmView([frame = m_frame.get()](int width, int height) { frame->FitClientArea(width, height); },
                            m_services);
    m_frame->SetView(
        m_view, [this](int id) { return OnDocumentCommand(id); }, [this](int id) { return OnCommand(id); });
    if (!file.isEmpty()) OpenDocumentFile(file);  // before the window shows, as a failed open is reported alone
    m_frame->SetDocumentTitle(m_doc->Title());

    // The engine and the window's size are ready before the first paint; the
    // start-up tips follow that paint.
    m_view->CreatePuzzle();
    m_frame->show();
    return true;
}

bool CQuelmApp::OnDocumentCommand(int id) {
    if (!m_doc || !m_doc->OnCommand(id, m_frame.get())) return false;
    m_frame->SetDocumentTitle(m_doc->Title());
    return true;
}

bool CQuelmApp::OnCommand(int id) {
    switch (id) {
        case res::ID_APP_ABOUT: OnAppAbout(); return true;
        case res::ID_FILE_OPEN: OnFileOpen(); return true;
        default: return false;
    }
}

void CQuelmApp::OnAppAbout() { m_services.dialogs.RunAbout(); }

void CQuelmApp::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(m_frame.get(),
                                                      QCoreApplication::translate("File dialogs", "Open"), QString(),
                                                      AllFilesFilter());
    if (path.isEmpty()) return;
    if (OpenDocumentFile(path)) m_frame->SetDocumentTitle(m_doc->Title());
}

bool CQuelmApp::OpenDocumentFile(const QString& path) {
    const QString reason = CannotOpenReason(path);
    if (!reason.isEmpty()) {
        // A window not yet shown is no parent: the box then stands alone.
        QWidget* parent = m_frame && m_frame->isVisible() ? m_frame.get() : nullptr;
        QMessageBox::warning(parent, AppTitle(),
                             QCoreApplication::translate("Messages", "Cannot open \"%1\": %2.")
                                 .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    m_doc->OnOpenDocument(QFileInfo(path).absoluteFilePath());
    return true;
}
