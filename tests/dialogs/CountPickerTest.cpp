// The glimble-count picker: lighting the arrows, clicks, the limits and what
// is drawn when.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/CountPicker.h"
#include "platform/fake/RecordingSurface.h"
#include "tests/TestAccess.h"

namespace {

using platform::Rect;
using platform::fake::Event;
using platform::fake::EventLog;
using platform::fake::RecordingSurface;

constexpr int kClientWidth = 342;  // x0 = (342 - 80) / 2 = 131
constexpr int kX0 = 131;
constexpr int kLeft = kX0 - 70;    // 61
constexpr int kRight = kX0 + 110;  // 241

Event Copy(int bitmap, Rect src, Rect dst) { return {Event::Kind::Copy, bitmap, src, dst, {}}; }
Event LeftArrow(int state) { return Copy(133, {30 * state, 0, 30, 30}, {kLeft, 50, 40, 40}); }
Event RightArrow(int state) { return Copy(134, {30 * state, 0, 30, 30}, {kRight, 50, 40, 40}); }
Event Digit(int digit, int left) { return Copy(130, {40 * digit, 0, 40, 40}, {left, 50, 40, 40}); }
Event Wait() { return {Event::Kind::Sound, 0, {}, {}, "wait"}; }

struct Rig {
    explicit Rig(int smallest, int largest, int number) : picker(smallest, largest, number) {
        picker.SetClientWidth(kClientWidth);
    }
    void Move(int x, int y) { picker.OnMouseMove(surface, x, y); }
    void Click() {
        picker.OnLButtonDown(surface, [this] { log.events.push_back(Wait()); });
    }
    CountPicker picker;
    EventLog log;
    RecordingSurface surface{log};
};

struct HoverCase {
    int x;
    int y;
    int leftFromNormal;  // state after the move when the arrow was normal
    int leftFromLit;     // ... when it was lit
};

// Lighting and clearing are both strict: a point on the border line of the
// square leaves the state as it was.
TEST(CountPicker, ArrowLightsOnlyStrictlyInsideAndClearsOnlyStrictlyOutside) {
    const HoverCase cases[] = {
        {kLeft + 1, 51, 1, 1},  {kLeft + 39, 89, 1, 1}, {kLeft + 20, 70, 1, 1}, {kLeft, 70, 0, 1},
        {kLeft + 40, 70, 0, 1}, {kLeft + 20, 50, 0, 1}, {kLeft + 20, 90, 0, 1}, {kLeft - 1, 70, 0, 0},
        {kLeft + 41, 70, 0, 0}, {kLeft + 20, 49, 0, 0}, {kLeft + 20, 91, 0, 0}, {kX0 + 40, 70, 0, 0},
    };
    for (const HoverCase& c : cases) {
        Rig fresh(4, 8, 6);
        fresh.Move(c.x, c.y);
        EXPECT_EQ(TestAccess::LeftState(fresh.picker), c.leftFromNormal) << c.x << "," << c.y;

        Rig lit(4, 8, 6);
        lit.Move(kLeft + 20, 70);
        ASSERT_EQ(TestAccess::LeftState(lit.picker), 1);
        lit.Move(c.x, c.y);
        EXPECT_EQ(TestAccess::LeftState(lit.picker), c.leftFromLit) << c.x << "," << c.y;
        EXPECT_EQ(TestAccess::RightState(lit.picker), 0);
    }
}

TEST(CountPicker, RightArrowHasItsOwnSquare) {
    Rig rig(4, 8, 6);
    rig.Move(kRight + 1, 89);
    EXPECT_EQ(TestAccess::RightState(rig.picker), 1);
    EXPECT_EQ(TestAccess::LeftState(rig.picker), 0);
    rig.Move(kRight + 40, 60);  // on the border: stays lit
    EXPECT_EQ(TestAccess::RightState(rig.picker), 1);
    rig.Move(kRight + 41, 60);
    EXPECT_EQ(TestAccess::RightState(rig.picker), 0);
}

TEST(CountPicker, EveryMoveRedrawsBothArrows) {
    Rig rig(4, 8, 6);
    rig.Move(5, 5);
    rig.Move(kRight + 20, 70);
    const std::vector<Event> expected = {LeftArrow(0), RightArrow(0), LeftArrow(0), RightArrow(1)};
    EXPECT_EQ(rig.log.events, expected);
}

TEST(CountPicker, ClickShowsThePressedArrowThenWaitsThenTheNewNumber) {
    Rig rig(4, 8, 6);
    rig.Move(kRight + 20, 70);
    rig.log.Clear();
    rig.Click();
    const std::vector<Event> expected = {
        LeftArrow(0), RightArrow(2), Wait(), Digit(7, kX0 + 40), Digit(0, kX0), LeftArrow(0), RightArrow(1),
    };
    EXPECT_EQ(rig.log.events, expected);
    EXPECT_EQ(rig.picker.GetNumber(), 7);
    EXPECT_EQ(TestAccess::RightState(rig.picker), 1);
}

TEST(CountPicker, ClickOverNeitherArrowChangesNothingButStillRedraws) {
    Rig rig(4, 8, 6);
    rig.Move(kX0 + 20, 70);
    rig.log.Clear();
    rig.Click();
    const std::vector<Event> expected = {
        LeftArrow(0), RightArrow(0), Wait(), Digit(6, kX0 + 40), Digit(0, kX0), LeftArrow(0), RightArrow(0),
    };
    EXPECT_EQ(rig.log.events, expected);
    EXPECT_EQ(rig.picker.GetNumber(), 6);
}

struct ClickCase {
    int smallest;
    int largest;
    int start;
    bool increase;               // which arrow is lit
    std::vector<int> afterEach;  // the number after each click
};

TEST(CountPicker, ClicksStepOnceAndTakeBackOneStepAtTheLimits) {
    const ClickCase cases[] = {
        {4, 8, 6, true, {7, 8, 8, 8}},
        {4, 8, 6, false, {5, 4, 4}},
        {10, 20, 19, true, {20, 20}},
        // Handed in above the range: down by two, or to the maximum from one above.
        {4, 8, 11, false, {9, 8, 7}},
        {4, 8, 9, false, {8}},
        {4, 8, 11, true, {11, 11}},
        // Below the range: up by two, or to the minimum from one below.
        {4, 8, 1, true, {3, 4, 5}},
        {4, 8, 3, true, {4}},
        {4, 8, 1, false, {1, 1}},
    };
    for (const ClickCase& c : cases) {
        Rig rig(c.smallest, c.largest, c.start);
        rig.Move(c.increase ? kRight + 20 : kLeft + 20, 70);
        std::vector<int> seen;
        for (std::size_t i = 0; i < c.afterEach.size(); ++i) {
            rig.Click();
            seen.push_back(rig.picker.GetNumber());
        }
        EXPECT_EQ(seen, c.afterEach) << c.smallest << ".." << c.largest << " from " << c.start
                                     << (c.increase ? " up" : " down");
    }
}

TEST(CountPicker, PressedPictureShowsEvenAtTheLimit) {
    Rig rig(4, 8, 8);
    rig.Move(kRight + 20, 70);
    rig.log.Clear();
    rig.Click();
    ASSERT_GE(rig.log.events.size(), 2u);
    EXPECT_EQ(rig.log.events[1], RightArrow(2));
    EXPECT_EQ(rig.picker.GetNumber(), 8);
}

// What a press draws: the arrows with one pressed, the wait, the number
// `shown` and the arrows again, the increase arrow as `rightAfter`.
std::vector<Event> PressDrawn(int left, int right, int shown, int rightAfter) {
    return {LeftArrow(left),
            RightArrow(right),
            Wait(),  // the press seen
            Digit(shown % 10, kX0 + 40),
            Digit(shown / 10, kX0),
            LeftArrow(0),
            RightArrow(rightAfter)};
}

// A step key presses its arrow as a click does, lit under the pointer or not,
// and leaves it as it found it.
TEST(CountPicker, StepKeyPressesItsArrowLikeAClick) {
    struct KeyCase {
        int start;
        int step;
        int pointerX;  // where the pointer rests: over the increase arrow, or neither
        std::vector<Event> expected;
    };
    const KeyCase cases[] = {
        {6, 1, 5, PressDrawn(0, 2, 7, 0)},           {6, -1, 5, PressDrawn(2, 0, 5, 0)},
        {6, 1, kRight + 20, PressDrawn(0, 2, 7, 1)}, {6, -1, kRight + 20, PressDrawn(2, 1, 5, 1)},
        {8, 1, 5, PressDrawn(0, 2, 8, 0)},
    };
    for (const KeyCase& c : cases) {
        Rig rig(4, 8, c.start);
        rig.Move(c.pointerX, 70);
        rig.log.Clear();
        rig.picker.OnStepKey(rig.surface, c.step, [&rig] { rig.log.events.push_back(Wait()); });
        EXPECT_EQ(rig.log.events, c.expected) << c.start << " step " << c.step << " pointer at " << c.pointerX;
    }
}

TEST(CountPicker, NumberShowsTwoDigitsWithALeadingZero) {
    struct DigitCase {
        int number;
        std::vector<Event> expected;
    };
    const DigitCase cases[] = {
        {4, {Digit(4, kX0 + 40), Digit(0, kX0)}},
        {20, {Digit(0, kX0 + 40), Digit(2, kX0)}},
        {99, {Digit(9, kX0 + 40), Digit(9, kX0)}},
        // Only digits 0 to 9 come from the digit strip; others are left out.
        {100, {Digit(0, kX0 + 40)}},
        {-3, {Digit(0, kX0)}},
        {-13, {}},
    };
    for (const DigitCase& c : cases) {
        Rig rig(4, 8, c.number);
        rig.picker.DrawNumber(rig.surface);
        EXPECT_EQ(rig.log.events, c.expected) << c.number;
    }
}

TEST(CountPicker, RowIsCentredOnTheClientArea) {
    CountPicker picker(4, 8, 6);
    picker.SetClientWidth(341);  // (341 - 80) / 2 = 130, truncated
    EXPECT_EQ(picker.DigitsRect(), (Rect{130, 50, 80, 40}));
    EXPECT_EQ(picker.LeftArrowRect(), (Rect{60, 50, 40, 40}));
    EXPECT_EQ(picker.RightArrowRect(), (Rect{240, 50, 40, 40}));
}

}  // namespace
