// The glimble-count dialog driven by pointer events, and its ways of closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "dialogs/BitmapButton.h"
#include "dialogs/NumberGlimb.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "platform/qt/pictures/ScaledPictures.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"
#include "shell/GameDialogs.h"
#include "tests/TestAccess.h"
#include "tests/dialogs/EmbeddedPictures.h"
#include "tests/dialogs/ModalAnswers.h"

namespace {

QPoint Centre(const platform::Rect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }

void MoveTo(CNumberGlimb& dialog, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, dialog.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
}

void Press(CNumberGlimb& dialog, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, dialog.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&dialog, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, dialog.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&dialog, &release);
}

// Clicks the increase (or decrease) arrow `times` times, as the pointer would.
void ClickArrow(CNumberGlimb& dialog, bool increase, int times) {
    const QPoint at = Centre(increase ? TestAccess::Picker(dialog).RightArrowRect()
                                      : TestAccess::Picker(dialog).LeftArrowRect());
    MoveTo(dialog, at);
    for (int i = 0; i < times; ++i) Press(dialog, at);
}

TEST(NumberGlimb, RowIsCentredAndButtonsSitBelowIt) {
    CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set number of glimbles"));
    EXPECT_EQ(TestAccess::Picker(dialog).DigitsRect().x, (dialog.width() - 80) / 2);
    for (int id : {res::IDOK, res::IDCANCEL}) {
        auto* button = dialog.ControlAs<CBitmapButton>(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->size(), QSize(120, 50));
        EXPECT_GE(button->y(), 90) << "below the row of arrows and digits";
        EXPECT_TRUE(dialog.rect().contains(button->geometry()));
    }
}

TEST(NumberGlimb, PointerLightsTheArrowAndAClickWaitsWithThePressShown) {
    CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
    dialog.show();
    int waits = 0;
    TestAccess::SetPressWait(dialog, [&] {
        ++waits;
        // During the wait the new number is chosen but not yet drawn.
        EXPECT_EQ(dialog.GetNumber(), 7);
    });
    MoveTo(dialog, Centre(TestAccess::Picker(dialog).RightArrowRect()));
    EXPECT_EQ(TestAccess::RightState(TestAccess::Picker(dialog)), 1);
    Press(dialog, Centre(TestAccess::Picker(dialog).RightArrowRect()));
    EXPECT_EQ(waits, 1);
    EXPECT_EQ(dialog.GetNumber(), 7);
    EXPECT_EQ(TestAccess::RightState(TestAccess::Picker(dialog)), 1);

    MoveTo(dialog, {2, 2});
    EXPECT_EQ(TestAccess::RightState(TestAccess::Picker(dialog)), 0);
    Press(dialog, {2, 2});
    EXPECT_EQ(waits, 2) << "a click anywhere still waits and redraws";
    EXPECT_EQ(dialog.GetNumber(), 7);
}

QImage Part(const QImage& image, const platform::Rect& r) { return image.copy(r.x, r.y, r.w, r.h); }

// Keys step the number through the focused button as an arrow click would:
// the pressed arrow during the wait, one step back at a limit, and the arrow
// as it was afterwards.
TEST(NumberGlimb, KeysStepTheNumberAsTheArrowsDo) {
    struct Case {
        Qt::Key key;
        int from, to;
    };
    for (const Case& c : {Case{Qt::Key_Right, 6, 7}, Case{Qt::Key_Up, 6, 7}, Case{Qt::Key_Plus, 6, 7},
                          Case{Qt::Key_Left, 6, 5}, Case{Qt::Key_Down, 6, 5}, Case{Qt::Key_Minus, 6, 5},
                          Case{Qt::Key_Right, 8, 8}, Case{Qt::Key_Left, 4, 4}, Case{Qt::Key_Left, 9, 8}}) {
        CNumberGlimb dialog(4, 8, c.from, EmbeddedPictures(), nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const bool raise = c.key == Qt::Key_Right || c.key == Qt::Key_Up || c.key == Qt::Key_Plus;
        const QImage* strip = EmbeddedPictures().Frames(raise ? res::IDB_ARROW_INCREASE : res::IDB_ARROW_DECREASE, 1,
                                                        30, 30, 40, 40);
        ASSERT_NE(strip, nullptr);
        const platform::Rect arrow = raise ? TestAccess::Picker(dialog).RightArrowRect()
                                           : TestAccess::Picker(dialog).LeftArrowRect();
        int waits = 0;
        TestAccess::SetPressWait(dialog, [&] {
            ++waits;
            EXPECT_EQ(Part(TestAccess::WindowPicture(dialog), arrow), strip->copy(80, 0, 40, 40))
                << "pressed during the wait";
        });
        QTest::keyClick(dialog.focusWidget(), c.key);
        EXPECT_EQ(waits, 1) << c.key;
        EXPECT_EQ(dialog.GetNumber(), c.to) << c.key << " from " << c.from;
        EXPECT_EQ(TestAccess::LeftState(TestAccess::Picker(dialog)), CountPicker::kNormal);
        EXPECT_EQ(TestAccess::RightState(TestAccess::Picker(dialog)), CountPicker::kNormal);
    }
}

TEST(NumberGlimb, PressedArrowIsOnScreenDuringTheWaitAndTheNewNumberOnlyAfter) {
    platform::qt::ScaledPictures pictures;
    const QImage* arrows = pictures.Frames(134, 1, 30, 30, 40, 40);
    const QImage* digits = pictures.Picture(130);
    ASSERT_NE(arrows, nullptr);
    ASSERT_NE(digits, nullptr);
    const QImage lit = arrows->copy(40, 0, 40, 40);
    const QImage pressed = arrows->copy(80, 0, 40, 40);
    const auto digit = [digits](int d) { return digits->copy(40 * d, 0, 40, 40); };

    CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const CountPicker& picker = TestAccess::Picker(dialog);
    const platform::Rect units{picker.DigitsRect().x + 40, 50, 40, 40};
    ASSERT_EQ(Part(TestAccess::WindowPicture(dialog), units), digit(6));

    bool waited = false;
    TestAccess::SetPressWait(dialog, [&] {
        waited = true;
        EXPECT_EQ(Part(TestAccess::WindowPicture(dialog), picker.RightArrowRect()), pressed);
        EXPECT_EQ(Part(TestAccess::WindowPicture(dialog), units), digit(6));
    });
    MoveTo(dialog, Centre(picker.RightArrowRect()));
    EXPECT_EQ(Part(TestAccess::WindowPicture(dialog), picker.RightArrowRect()), lit);
    Press(dialog, Centre(picker.RightArrowRect()));
    ASSERT_TRUE(waited);
    EXPECT_EQ(Part(TestAccess::WindowPicture(dialog), picker.RightArrowRect()), lit);
    EXPECT_EQ(Part(TestAccess::WindowPicture(dialog), units), digit(7));
    EXPECT_EQ(Part(TestAccess::WindowPicture(dialog), {picker.DigitsRect().x, 50, 40, 40}), digit(0));
}

TEST(NumberGlimb, ClicksAtTheLimitsAndOutsideTheRange) {
    struct Case {
        int smallest, largest, start;
        bool increase;
        int clicks;
        int expected;
    };
    // The picker's own tests cover every limit; these check the pointer wiring.
    const Case cases[] = {
        {4, 8, 8, true, 2, 8},
        {10, 20, 10, true, 10, 20},
        {4, 8, 12, false, 1, 10},
        {5, 11, 2, false, 1, 2},
    };
    for (const Case& c : cases) {
        CNumberGlimb dialog(c.smallest, c.largest, c.start, EmbeddedPictures(), nullptr);
        TestAccess::SetPressWait(dialog, [] {});
        ClickArrow(dialog, c.increase, c.clicks);
        EXPECT_EQ(dialog.GetNumber(), c.expected) << c.start << (c.increase ? " up " : " down ") << c.clicks;
    }
}

TEST(NumberGlimb, OkReturnsTheNumberAndEveryOtherWayReturnsNothing) {
    platform::fake::MemorySettingsStore store;
    platform::fake::RecordingShellOpen shell;
    GameDialogs dialogs(store, shell, EmbeddedPictures());
    const auto run = [&dialogs](std::function<void(CNumberGlimb&)> answer) {
        ModalAnswers answers;
        answers.Then<CNumberGlimb>(std::move(answer));
        return dialogs.RunNumberOfGlimbles(5, 11, 9);
    };
    EXPECT_EQ(run([](CNumberGlimb& d) {
                  TestAccess::SetPressWait(d, [] {});
                  ClickArrow(d, true, 1);
                  QTest::mouseClick(d.ControlAs<CBitmapButton>(res::IDOK), Qt::LeftButton);
              }),
              std::optional<int>(10));
    EXPECT_EQ(run([](CNumberGlimb& d) { QTest::keyClick(&d, Qt::Key_Return); }), std::optional<int>(9));
    EXPECT_EQ(run([](CNumberGlimb& d) {
                  TestAccess::SetPressWait(d, [] {});
                  ClickArrow(d, true, 1);
                  QTest::mouseClick(d.ControlAs<CBitmapButton>(res::IDCANCEL), Qt::LeftButton);
              }),
              std::nullopt);
    EXPECT_EQ(run([](CNumberGlimb& d) { QTest::keyClick(&d, Qt::Key_Escape); }), std::nullopt);
    EXPECT_EQ(run([](CNumberGlimb& d) { d.close(); }), std::nullopt);
    EXPECT_TRUE(store.writes.empty());
}

}  // namespace
