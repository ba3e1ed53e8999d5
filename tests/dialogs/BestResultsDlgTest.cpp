// The best-results dialog: the table it reads, its layout and what it paints.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "dialogs/BestResultsDlg.h"
#include "dialogs/BitmapButton.h"
#include "dialogs/DialogColours.h"
#include "engine/Puzzle.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingSurface.h"
#include "resources/CommandIds.h"
#include "tests/TestAccess.h"
#include "tests/dialogs/EmbeddedPictures.h"

namespace {

using platform::fake::MemorySettingsStore;

QRect ToQRect(const platform::Rect& r) { return {r.x, r.y, r.w, r.h}; }

// True when any pixel inside `area` of `image` has colour `colour`.
bool HasColour(const QImage& image, const QRect& area, const QColor& colour) {
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (QColor(image.pixel(x, y)) == colour) return true;
        }
    }
    return false;
}

struct PuzzleRig {
    PuzzleRig() { puzzle.Init(4, 11, 11); }
    platform::fake::EventLog log;
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks{7};
    CPuzzle puzzle{sound, ticks};
    MemorySettingsStore store;
};

TEST(BestResultsDlg, ReadsTheTableOfTheEnginesBoardAndCount) {
    PuzzleRig rig;
    rig.store.values = {{"11_11_4_0/Rez", "90"},
                        {"11_11_4_0/Name", "Ann"},
                        {"11_11_4_1/Rez", "80"},
                        {"11_11_4_9/Name", "Last"},
                        {"8_8_8_0/Rez", "99"}};
    CBestResultsDlg dialog(&rig.puzzle, rig.store, EmbeddedPictures(), nullptr);
    const best_results::Table& t = dialog.Results();
    EXPECT_EQ(t[0], (best_results::Entry{"Ann", 90}));
    EXPECT_EQ(t[1], (best_results::Entry{"", 80}));
    EXPECT_EQ(t[9], (best_results::Entry{"Last", 0}));
    EXPECT_TRUE(rig.store.writes.empty());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Best Results"));
}

TEST(BestResultsDlg, WithoutAnEngineShowsTenEmptyPlacesAndReadsNothing) {
    MemorySettingsStore store;
    CBestResultsDlg dialog(nullptr, store, EmbeddedPictures(), nullptr);
    EXPECT_EQ(dialog.Results(), best_results::Table{});
    EXPECT_TRUE(store.reads.empty());
}

TEST(BestResultsDlg, SizeAndButtonFollowTheMeasuredLetter) {
    PuzzleRig rig;
    CBestResultsDlg dialog(&rig.puzzle, rig.store, EmbeddedPictures(), nullptr);
    const QFontMetrics metrics(TestAccess::TableFont(dialog));
    const best_results::Geometry expected = best_results::ComputeGeometry(metrics.horizontalAdvance(QLatin1Char('W')),
                                                                          metrics.height());
    EXPECT_EQ(dialog.Geometry().width, expected.width);
    EXPECT_EQ(dialog.size(), QSize(expected.width, expected.height));
    auto* ok = dialog.ControlAs<CBitmapButton>(res::IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), ToQRect(expected.okButton));

    // Painting leaves the dialog where it is.
    dialog.show();
    const QRect placed = dialog.geometry();
    dialog.grab();
    dialog.repaint();
    EXPECT_EQ(dialog.geometry(), placed);
}

TEST(BestResultsDlg, PaintsTheTableInItsColours) {
    PuzzleRig rig;
    rig.store.values = {{"11_11_4_0/Rez", "1234"}, {"11_11_4_0/Name", "WWWW"}};
    CBestResultsDlg dialog(&rig.puzzle, rig.store, EmbeddedPictures(), nullptr);
    dialog.show();
    const QImage image = dialog.grab().toImage();
    const best_results::Geometry& g = dialog.Geometry();
    const QRect frame = ToQRect(g.frame);

    EXPECT_EQ(QColor(image.pixel(1, 1)), dialog_colours::kBackground);
    // The frame: one pixel on each edge, the inside left to the rows.
    EXPECT_EQ(QColor(image.pixel(frame.left(), frame.center().y())), dialog_colours::kTableInk);
    EXPECT_EQ(QColor(image.pixel(frame.right(), frame.center().y())), dialog_colours::kTableInk);
    EXPECT_EQ(QColor(image.pixel(frame.center().x(), frame.top())), dialog_colours::kTableInk);
    EXPECT_EQ(QColor(image.pixel(frame.center().x(), frame.bottom())), dialog_colours::kTableInk);
    EXPECT_EQ(QColor(image.pixel(frame.left() + 1, frame.center().y())), dialog_colours::kBackground);
    EXPECT_EQ(QColor(image.pixel(frame.left() - 1, frame.center().y())), dialog_colours::kBackground);

    // Place 1's name and score are drawn; place 2's empty name is not, but
    // its score 0 is.
    EXPECT_TRUE(HasColour(image, ToQRect(g.rows[0].name), dialog_colours::kTableInk));
    EXPECT_TRUE(HasColour(image, ToQRect(g.rows[0].score), dialog_colours::kTableInk));
    EXPECT_FALSE(HasColour(image, ToQRect(g.rows[1].name), dialog_colours::kTableInk));
    EXPECT_TRUE(HasColour(image, ToQRect(g.rows[1].score), dialog_colours::kTableInk));
}

TEST(BestResultsDlg, LongNamesStayInsideTheirColumn) {
    PuzzleRig rig;
    rig.store.values = {{"11_11_4_0/Name", std::string(10000, 'W')}, {"11_11_4_0/Rez", "7"}};
    CBestResultsDlg dialog(&rig.puzzle, rig.store, EmbeddedPictures(), nullptr);
    EXPECT_EQ(dialog.Results()[0].name.size(), 123u);
    dialog.show();
    const QImage image = dialog.grab().toImage();
    const best_results::Geometry& g = dialog.Geometry();
    const QRect name = ToQRect(g.rows[0].name);
    // Between the name column and the score column nothing is drawn.
    const QRect gap(name.right() + 1, name.top(), g.rows[0].score.x - name.right() - 1, name.height());
    EXPECT_TRUE(HasColour(image, name, dialog_colours::kTableInk));
    EXPECT_FALSE(HasColour(image, gap, dialog_colours::kTableInk));
}

}  // namespace
