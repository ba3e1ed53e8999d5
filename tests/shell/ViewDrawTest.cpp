// The view's picture: the window fitted to each board, the status strip's
// labels and digits, and the full paint.
#include <gtest/gtest.h>

#include "platform/fake/RecordingSurface.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "tests/shell/ShellRig.h"

namespace {

using platform::Rect;
using platform::fake::Event;

// Window and view sizes for every board: frame client area W + 4 by
// Hb + 62, the view inside a 2-pixel edge W by Hb + 58.
TEST(ViewSize, FitsEveryBoard) {
    ShellRig rig;
    rig.Start();
    for (const res::BoardSize& size : res::kBoardSizes) {
        const int w = res::BoardWidth(size);
        const QPoint topLeft = rig.Frame().pos();
        ASSERT_TRUE(rig.Frame().OnCommand(size.command));
        QApplication::processEvents();
        EXPECT_EQ(rig.Puzzle().GetBoardWidth(), w);
        EXPECT_EQ(rig.View().size(), QSize(w, w + 58)) << size.n;
        EXPECT_EQ(rig.FrameClientArea(), QSize(w + 4, w + 62)) << size.n;
        EXPECT_EQ(rig.Frame().pos(), topLeft) << "the window keeps its top-left corner";
        EXPECT_EQ(rig.Frame().minimumSize(), rig.Frame().maximumSize()) << "the window cannot be resized";
    }
}

TEST(ViewSize, HasNoMaximizeBox) {
    ShellRig rig;
    rig.Start();
    const Qt::WindowFlags flags = rig.Frame().windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
}

std::vector<Event> Copies(const platform::fake::EventLog& log) { return log.events; }

Event Copy(int bitmap, Rect src, Rect dst) { return {Event::Kind::Copy, bitmap, src, dst, {}}; }

Event Digit(int d, int x, int y) { return Copy(130, {40 * d, 0, 40, 40}, {x, y, 25, 25}); }

TEST(StatusStrip, TinyBoardShowsLabelsAndCounters) {
    ShellRig rig;
    rig.Start();
    platform::fake::EventLog log;
    platform::fake::RecordingSurface surface(log);
    rig.View().DrawStatus(surface);
    // 064 points, 08 glimbles; the lowest digit is drawn first, rightmost.
    EXPECT_EQ(Copies(log), (std::vector<Event>{
                               Copy(136, {0, 0, 80, 40}, {5, 330, 80, 40}),
                               Copy(137, {0, 0, 100, 40}, {165, 330, 100, 40}),
                               Digit(4, 137, 337),
                               Digit(6, 112, 337),
                               Digit(0, 87, 337),
                               Digit(8, 290, 337),
                               Digit(0, 265, 337),
                           }));
}

TEST(StatusStrip, BigBoardCentresTheCounters) {
    ShellRig rig;
    rig.settings.values = {{"Size", "17"}, {"Number", "8"}};
    rig.Start();
    platform::fake::EventLog log;
    platform::fake::RecordingSurface surface(log);
    rig.View().DrawStatus(surface);
    ASSERT_FALSE(log.events.empty());
    EXPECT_EQ(log.events[0].dst, (Rect{74, 469, 80, 40})) << "x0 = (459 - 310) / 2 truncated";
}

TEST(DrawDigits, KeepsTheLowestDigitsAndNeverReadsOutsideTheStrip) {
    struct Case {
        int value;
        int digits;
        std::vector<int> shown;  // left to right
    };
    ShellRig rig;
    rig.Start();
    for (const Case& c : {Case{57, 3, {0, 5, 7}}, Case{1234, 3, {2, 3, 4}}, Case{0, 2, {0, 0}}, Case{-7, 3, {0, 0, 0}},
                          Case{-2147483647 - 1, 3, {0, 0, 0}}, Case{2147483647, 2, {4, 7}}}) {
        platform::fake::EventLog log;
        platform::fake::RecordingSurface surface(log);
        rig.View().DrawDigits(surface, 10, 20, c.value, c.digits);
        ASSERT_EQ(log.events.size(), c.shown.size()) << c.value;
        for (std::size_t i = 0; i < c.shown.size(); ++i) {
            const Event& e = log.events[log.events.size() - 1 - i];  // drawn right to left
            EXPECT_EQ(e.src, (Rect{40 * c.shown[i], 0, 40, 40})) << c.value << " digit " << i;
            EXPECT_EQ(e.dst, (Rect{10 + 25 * static_cast<int>(i), 20, 25, 25}));
            EXPECT_GE(e.src.x, 0);
            EXPECT_LE(e.src.x + e.src.w, 400) << "only the ten digit frames";
        }
    }
}

TEST(OnDraw, PaintsBoardThenStripThenCounters) {
    ShellRig rig;
    rig.settings.values = {{"Size", "20"}, {"Number", "10"}};
    rig.Start();
    platform::fake::EventLog log;
    platform::fake::RecordingSurface surface(log);
    rig.View().OnDraw(surface);
    ASSERT_EQ(log.events.size(), 400u + 1 + 2 + 3 + 2);
    EXPECT_EQ(log.events[0].dst, (Rect{0, 0, 23, 23}));
    EXPECT_EQ(log.events[400], Copy(135, {0, 0, 320, 60}, {0, 460, 460, 60}));
    EXPECT_EQ(log.events[403], Digit(0, 75 + 82 + 50, 477)) << "400 points: the last digit is 0";
    EXPECT_EQ(log.events[405], Digit(4, 75 + 82, 477));
    EXPECT_EQ(log.events[406], Digit(0, 75 + 260 + 25, 477)) << "10 glimbles";
    EXPECT_EQ(log.events[407], Digit(1, 75 + 260, 477));
}

}  // namespace
