#pragma once

#include <QRect>
#include <QSize>

#include "resources/DialogLayouts.h"

class QFontMetrics;

// Dialog base units of a font in pixels: the average width of the letters
// A-Z and a-z, and the line height.
QSize DialogBaseUnits(const QFontMetrics& metrics);

// A rectangle in dialog units converted to pixels for the given base units,
// rounding each edge to the nearest pixel (a quarter of the base width per
// horizontal unit, an eighth of the base height per vertical unit).
QRect DialogUnitsToPixels(QSize baseUnits, res::DluRect rect);
