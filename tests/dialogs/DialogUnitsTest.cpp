// Dialog units converted to pixels.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "dialogs/DialogUnits.h"

namespace {

TEST(DialogUnits, EdgesRoundToTheNearestPixel) {
    // Base units 6 x 13: a horizontal unit is 1.5 px, a vertical one 1.625 px.
    const QSize base(6, 13);
    // About box OK: left 7 -> 10.5 -> 11, right 64 -> 96; top 49 -> 79.6 -> 80, bottom 67 -> 108.9 -> 109.
    EXPECT_EQ(DialogUnitsToPixels(base, {7, 49, 57, 18}), QRect(11, 80, 85, 29));
    // Whole dialog of the tips: 336 x 158 units.
    EXPECT_EQ(DialogUnitsToPixels(base, {0, 0, 336, 158}), QRect(0, 0, 504, 257));
    // Base units 8 x 16 scale exactly: two pixels per unit both ways.
    EXPECT_EQ(DialogUnitsToPixels({8, 16}, {15, 138, 141, 13}), QRect(30, 276, 282, 26));
}

TEST(DialogUnits, BaseUnitsFollowTheFont) {
    QFont small;
    small.setPixelSize(11);
    QFont large;
    large.setPixelSize(22);
    const QSize a = DialogBaseUnits(QFontMetrics(small));
    const QSize b = DialogBaseUnits(QFontMetrics(large));
    EXPECT_GT(a.width(), 0);
    EXPECT_GT(a.height(), 0);
    EXPECT_GT(b.width(), a.width());
    EXPECT_GT(b.height(), a.height());
    EXPECT_EQ(a.height(), QFontMetrics(small).height());
}

}  // namespace
