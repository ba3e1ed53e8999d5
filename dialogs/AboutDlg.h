#pragma once

#include <string>
#include <string_view>

#include "dialogs/LayoutDialog.h"
#include "platform/ShellOpen.h"

// The program's name and version, the maker's notice, OK, and "Get More
// Games", which opens the maker's home page in the user's browser and leaves
// the box open.
class CAboutDlg final : public CLayoutDialog {
    Q_OBJECT

public:
    // `shell` must outlive the dialog.
    CAboutDlg(platform::IShellOpen& shell, platform::qt::IPictureSource& pictures, QWidget* parent);

    // The maker's home page, with the query that tells it where the visit came from.
    static constexpr std::string_view kHomePage = "http://www.pellix.com/";
    static constexpr std::string_view kFromQuery = "?FROM_GLIMBLES";
    static std::string MoreGamesAddress();

private:
    void OnGetMoreGames();

    platform::IShellOpen& m_shell;
};
