#pragma once

#include <QColor>

// The colours of the game's own dialogs.
namespace dialog_colours {

// Fills the best-results, name entry and glimble-count dialogs.
inline const QColor kBackground{147, 243, 140};
// The best-results table's text and frame.
inline const QColor kTableInk{2, 80, 7};
// The picture buttons' keyboard rings: the dark outer line, the light inner one.
inline const QColor kRingDark{16, 16, 16};
inline const QColor kRingLight{255, 255, 255};

}  // namespace dialog_colours
