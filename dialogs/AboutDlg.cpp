#include "dialogs/AboutDlg.h"

#include <QPushButton>

#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"

CAboutDlg::CAboutDlg(platform::IShellOpen& shell, platform::qt::IPictureSource& pictures, QWidget* parent)
    : CLayoutDialog(res::IDD_ABOUTBOX, pictures, parent), m_shell(shell) {
    if (auto* more = ControlAs<QPushButton>(res::IDC_GET_MORE_GAMES)) {
        connect(more, &QPushButton::clicked, this, &CAboutDlg::OnGetMoreGames);
    }
}

std::string CAboutDlg::MoreGamesAddress() { return std::string(kHomePage) + std::string(kFromQuery); }

void CAboutDlg::OnGetMoreGames() {
    // Whether the desktop took the address is not reported; the box stays open.
    m_shell.OpenUrl(MoreGamesAddress());
}
