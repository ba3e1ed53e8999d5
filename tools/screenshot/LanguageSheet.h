#pragma once

#include <QImage>

// The game in every language it ships, side by side for review: for English
// and then each translation, a row with the language's code, the main window
// at play, the tips and the count dialog, drawn by the real game offscreen.
// Needs a QApplication; null when the game cannot start.
QImage LanguageSheet();
