#pragma once

// Command ids sent by the menu and the key table, and the ids of the dialog
// controls. The values are fixed: the menu, the key table, the dialog layouts
// and the handlers all meet on them.
namespace res {

// Game menu and the standard file commands.
inline constexpr int ID_FILE_NEW = 57600;   // new game (Game > New, Ctrl+N)
inline constexpr int ID_FILE_OPEN = 57601;  // the standard Open (Ctrl+O)
inline constexpr int ID_FILE_SAVE = 57603;  // the standard Save (Ctrl+S)
inline constexpr int ID_SHOW_TIPS = 32787;  // opens the tips dialog
inline constexpr int ID_APP_EXIT = 57665;   // closes the main window

// Options menu. The Set Size items' ids are in the board-size table
// (BoardSizes.h).
inline constexpr int ID_NUMBER_OF_GLIMBLES = 32780;  // opens the glimble-count dialog
inline constexpr int ID_TILES_GRASS = 32784;
inline constexpr int ID_TILES_SAND = 32785;
inline constexpr int ID_SOUND = 32786;  // toggles all sounds

// Help menu.
inline constexpr int ID_APP_ABOUT = 57664;     // opens the About box
inline constexpr int ID_HELP = 57670;          // opens the help file at its contents
inline constexpr int ID_BEST_RESULTS = 32781;  // opens the best results table

// Reached only through the key table; nothing handles them.
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

// Dialog controls.
inline constexpr int IDC_STATIC = -1;            // a static text the code never addresses
inline constexpr int IDOK = 1;                   // OK, or Close in the tips dialog
inline constexpr int IDCANCEL = 2;               // Cancel
inline constexpr int IDC_NAME_EDIT = 1001;       // name entry: the name being typed
inline constexpr int IDC_GET_MORE_GAMES = 1002;  // About: opens the maker's web page
inline constexpr int IDC_NEXT_TIP = 1007;        // tips: shows the following tip
inline constexpr int IDC_DONT_SHOW_TIPS = 1008;  // tips: "Do not show this dialog on the start."

}  // namespace res
