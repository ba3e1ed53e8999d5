#pragma once

#include <string_view>

// The numbers and names by which the code asks for pictures, sounds, dialog
// layouts and strings.
namespace res {

// Menu 128, key table 128, the main icon and the document string share this
// number: one id names everything the main window is built from.
inline constexpr int IDR_MAINFRAME = 128;

// Pictures. Tile strips hold 40 x 40 frames side by side.
inline constexpr int IDB_GRASS_EMPTY = 130;     // number k in frame k, 0 to 14
inline constexpr int IDB_DIGITS = 130;          // frames 0 to 9 are every digit outside the board
inline constexpr int IDB_GRASS_COVERED = 131;   // looks 0 to 5
inline constexpr int IDB_GRASS_FOUND = 132;     // a glimble and number k in frame k, 0 to 14
inline constexpr int IDB_ARROW_DECREASE = 133;  // 30 x 30 frames: normal, lit, pressed
inline constexpr int IDB_ARROW_INCREASE = 134;  // 30 x 30 frames: normal, lit, pressed
inline constexpr int IDB_STATUS_PANEL = 135;    // status strip background
inline constexpr int IDB_POINTS_LABEL = 136;    // "Points" plate before the score
inline constexpr int IDB_GLIMBLES_LABEL = 137;  // plate before the count of hidden glimbles
inline constexpr int IDB_OK = 139;              // OK button at rest
inline constexpr int IDB_OK_PRESSED = 140;
inline constexpr int IDB_CANCEL = 141;  // Cancel button at rest
inline constexpr int IDB_CANCEL_PRESSED = 142;
inline constexpr int IDB_SAND_COVERED = 146;
inline constexpr int IDB_SAND_EMPTY = 147;
inline constexpr int IDB_SAND_FOUND = 148;
inline constexpr int IDB_TIP_FIRST = 150;  // tips 1 to 5 are 150 to 154
inline constexpr int IDB_TIP_LAST = 154;
inline constexpr int IDB_GRASS_FOUND_HIGH = 155;  // numbers 15 to 20 of 132
inline constexpr int IDB_GRASS_EMPTY_HIGH = 156;  // numbers 15 to 20 of 130
inline constexpr int IDB_SAND_FOUND_HIGH = 157;   // numbers 15 to 20 of 148
inline constexpr int IDB_SAND_EMPTY_HIGH = 158;   // numbers 15 to 20 of 147

// Dialog layouts.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_NUMBER_GLIMBLES = 138;
inline constexpr int IDD_GET_NAME = 143;
inline constexpr int IDD_BEST_RESULTS = 144;
inline constexpr int IDD_TIPS = 149;

// Strings. 128 is the document string (IDR_MAINFRAME).
inline constexpr int AFX_IDS_APP_TITLE = 57344;          // "glimbles"
inline constexpr int IDS_FAILED_TO_LAUNCH_HELP = 61703;  // shown when the help manual cannot be opened

// Sounds, looked up by name.
inline constexpr std::string_view kSoundMove = "MOVE";      // a click collected a glimble
inline constexpr std::string_view kSoundSelect = "SELECT";  // a click uncovered an empty tile
inline constexpr std::string_view kSoundBest = "BEST";      // a result earned a place
inline constexpr std::string_view kSoundWin = "WIN";        // a result earned no place

}  // namespace res
