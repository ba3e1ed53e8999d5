#include "shell/MainFrame.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLayout>
#include <QMessageBox>
#include <QVBoxLayout>

#include "platform/ShellOpen.h"
#include "resources/CommandIds.h"
#include "shell/CatalogueText.h"
#include "shell/HelpFile.h"
#include "shell/HelpWindow.h"
#include "shell/Language.h"
#include "shell/QuelmView.h"

namespace {
constexpr int kEdgeWidth = 2;
}

CMainFrame::CMainFrame(platform::IShellOpen& shell) : m_shell(shell) {
    // A caption, a system menu, a minimize box and a fixed border: no maximize.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    SetDocumentTitle(DocumentText(res::DocField::DocumentName));

    m_edge = new QFrame(this);
    m_edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_edge->setLineWidth(kEdgeWidth);
    auto* layout = new QVBoxLayout(m_edge);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(m_edge);
    // The window takes exactly the size of its contents and cannot be resized.
    this->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetView(CQuelmView* view, Router document, Router application) {
    m_view = view;
    m_document = std::move(document);
    m_application = std::move(application);
    m_edge->layout()->addWidget(view);
    view->setFocus();  // the board takes the keys
    BuildMenus();
    BuildKeyTable();
}

bool CMainFrame::OnCommand(int id) {
    if (m_view != nullptr && m_view->OnCommand(id)) return true;
    if (m_document && m_document(id)) return true;
    switch (id) {
        case res::ID_HELP: OnHelp(); return true;
        case res::ID_APP_EXIT: close(); return true;
        default: break;
    }
    return m_application && m_application(id);
}

void CMainFrame::FitClientArea(int width, int height) {
    m_edge->setFixedSize(width, height);
    // Before the first show pos() is only (0, 0): moving there would pin the
    // window to the screen's corner instead of letting it be placed.
    if (!isVisible()) {
        adjustSize();
        return;
    }
    const QPoint topLeft = pos();
    adjustSize();
    // On Wayland the compositor places every window and Qt ignores the move:
    // where the corner stays is the compositor's choice there.
    move(topLeft);
}

void CMainFrame::SetDocumentTitle(const QString& title) {
    setWindowTitle(title + QStringLiteral(" - ") + DocumentText(res::DocField::WindowTitle));
}

void CMainFrame::OnHelp() {
    const QString manual = FindHelpFile(CurrentLanguage());
    if (manual.isEmpty()) {
        QMessageBox::warning(this, AppTitle(), CatalogueString(res::IDS_FAILED_TO_LAUNCH_HELP));
        return;
    }
    if (m_help == nullptr) m_help = new HelpWindow(m_shell, this);
    m_help->ShowContents(manual);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The manual goes with the game.
    if (m_help != nullptr) m_help->close();
    QMainWindow::closeEvent(event);
}
