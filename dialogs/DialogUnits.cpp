#include "dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <QString>

namespace {

constexpr int kLetterCount = 26;
constexpr int kHorizontalUnitsPerBase = 4;  // a horizontal dialog unit is a quarter of the base width
constexpr int kVerticalUnitsPerBase = 8;    // a vertical dialog unit is an eighth of the base height

// value * base / units, rounded to the nearest whole number (halves away from zero).
int ScaleRounded(int value, int base, int units) {
    const long long product = static_cast<long long>(value) * base;
    const long long half = units / 2;
    return static_cast<int>(product >= 0 ? (product + half) / units : -((-product + half) / units));
}

}  // namespace

QSize DialogBaseUnits(const QFontMetrics& metrics) {
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average over both cases, rounded: (letters / 26 + 1) / 2.
    return {(letters / kLetterCount + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(QSize baseUnits, res::DluRect rect) {
    const int left = ScaleRounded(rect.x, baseUnits.width(), kHorizontalUnitsPerBase);
    const int top = ScaleRounded(rect.y, baseUnits.height(), kVerticalUnitsPerBase);
    const int right = ScaleRounded(rect.x + rect.w, baseUnits.width(), kHorizontalUnitsPerBase);
    const int bottom = ScaleRounded(rect.y + rect.h, baseUnits.height(), kVerticalUnitsPerBase);
    return {left, top, right - left, bottom - top};
}
