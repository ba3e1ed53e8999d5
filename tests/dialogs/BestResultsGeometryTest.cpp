// The best-results dialog's layout from the measured size of a "W".
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/BestResultsGeometry.h"

namespace {

using best_results::ComputeGeometry;
using platform::Rect;

std::vector<int> RowTops(const best_results::Geometry& g) {
    std::vector<int> tops;
    for (const auto& row : g.rows) tops.push_back(row.name.y);
    return tops;
}

TEST(BestResultsGeometry, TenBySixteen) {
    const best_results::Geometry g = ComputeGeometry(10, 16);
    EXPECT_EQ(g.width, 300);
    EXPECT_EQ(g.height, 386);
    EXPECT_EQ(g.okButton, (Rect{90, 306, 120, 50}));
    EXPECT_EQ(RowTops(g), (std::vector<int>{32, 56, 80, 104, 128, 152, 176, 200, 224, 248}));
    for (const auto& row : g.rows) {
        EXPECT_EQ(row.name.h, 32);
        EXPECT_EQ(row.score.y, row.name.y);
        EXPECT_EQ(row.score.h, 32);
        EXPECT_EQ(row.name.x, 20);
        EXPECT_EQ(row.name.x + row.name.w, 120);
        EXPECT_EQ(row.score.x, 160);
        EXPECT_EQ(row.score.x + row.score.w, 260);
    }
    // Left, top, right, bottom: (15, 16) to (270, 272).
    EXPECT_EQ(g.frame, (Rect{15, 16, 255, 256}));
}

TEST(BestResultsGeometry, SevenByThirteenCutsTheHalfLine) {
    const best_results::Geometry g = ComputeGeometry(7, 13);
    EXPECT_EQ(g.width, 210);
    EXPECT_EQ(g.height, 338);
    EXPECT_EQ(g.okButton, (Rect{45, 258, 120, 50}));
    // 2 * 13 + 0, 3 * 13 + 6 (6.5 cut), 4 * 13 + 13, 5 * 13 + 19 (19.5 cut), ...
    EXPECT_EQ(RowTops(g), (std::vector<int>{26, 45, 65, 84, 104, 123, 143, 162, 182, 201}));
    EXPECT_EQ(g.rows[1].name.h, 26);
    // 1.5 * 7 = 10.5 is cut to 10.
    EXPECT_EQ(g.frame, (Rect{10, 13, 189 - 10, 221 - 13}));
}

TEST(BestResultsGeometry, TallLinesMoveTheButtonClearOfTheFrame) {
    // Up to 40-pixel lines the button stands 80 pixels above the bottom edge
    // of a 16-line-and-130-pixel dialog; beyond, that would be on the frame.
    const struct {
        int letterHeight;
        int buttonTop;
        int height;
    } cases[] = {{40, 690, 770}, {41, 707, 787}, {60, 1030, 1110}};
    for (const auto& c : cases) {
        const best_results::Geometry g = ComputeGeometry(30, c.letterHeight);
        EXPECT_EQ(g.okButton.y, c.buttonTop) << c.letterHeight;
        EXPECT_EQ(g.height, c.height) << c.letterHeight;
        EXPECT_GE(g.okButton.y, g.frame.y + g.frame.h + 10) << c.letterHeight;
    }
}

}  // namespace
