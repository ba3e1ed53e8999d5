#pragma once

// In a language other than English the pictures that carry words (the status
// strip's plates, the picture buttons, the tips) are drawn in it when first
// shown, by the asset generator's own drawing code, with the game's DejaVu
// faces and the desktop's fonts for scripts they lack. English keeps the
// embedded pictures. False when the fonts are missing: the pictures then stay
// English.
bool DrawPicturesInLanguage();
