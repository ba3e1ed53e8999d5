// The picture buttons show the keyboard: the focus ring on the button with
// the focus, the thinner default ring on the button Enter presses from
// elsewhere, nothing on the others. Run at the scales ctest gives in
// QT_SCALE_FACTOR; the rings are compared with the bare pictures in device
// pixels.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

#include "dialogs/BestResultsDlg.h"
#include "dialogs/BitmapButton.h"
#include "dialogs/CountField.h"
#include "dialogs/DialogColours.h"
#include "dialogs/GetNameDlg.h"
#include "dialogs/NumberGlimb.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/qt/pictures/DeviceScale.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/EmbeddedPictures.h"

namespace {

using platform::qt::ToDevice;

// The ring's outside edge: 6 pixels in from the picture's left, right and top
// edges, 10 from its bottom edge; 3 pixels lower on a held-down picture.
const QRect kRingBounds(6, 6, 108, 34);
constexpr int kPressSink = 3;

qreal Scale() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// The button as it paints itself now, in device pixels.
QImage Shown(CBitmapButton& button) { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Picture `id` alone, drawn as the buttons draw it at the scale under test.
QImage Bare(int id) {
    QImage image(ToDevice(QSize(120, 50), Scale()), QImage::Format_RGB32);
    image.setDevicePixelRatio(Scale());
    QPainter painter(&image);
    EXPECT_TRUE(platform::qt::DrawWholePicture(painter, EmbeddedPictures(), id, {0, 0}));
    return image;
}

// Where the button differs from its bare picture: the smallest rectangle
// holding every changed device pixel (null when none is), and how many.
struct Change {
    QRect bounds;
    int pixels = 0;
};
Change ChangeOf(CBitmapButton& button) {
    const QImage shown = Shown(button);
    const QImage bare = Bare(button.CurrentBitmap());
    EXPECT_EQ(shown.size(), bare.size());
    Change change;
    for (int y = 0; y < std::min(shown.height(), bare.height()); ++y) {
        for (int x = 0; x < std::min(shown.width(), bare.width()); ++x) {
            if (shown.pixel(x, y) == bare.pixel(x, y)) continue;
            change.bounds |= QRect(x, y, 1, 1);
            ++change.pixels;
        }
    }
    return change;
}

QRect RingBounds(int sink = 0) { return ToDevice(kRingBounds.translated(0, sink), Scale()); }

void ShowActive(QWidget& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

platform::fake::MemorySettingsStore& Store() {
    static platform::fake::MemorySettingsStore store;
    return store;
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<CLayoutDialog>()> open;
};

// Every picture button of every dialog, focused in turn: it alone shows a
// ring, all the way round its face.
TEST(FocusRing, TheFocusedPictureButtonAloneShowsIt) {
    const DialogCase cases[] = {
        {"count", [] { return std::make_unique<CNumberGlimb>(4, 8, 6, EmbeddedPictures(), nullptr); }},
        {"name", [] { return std::make_unique<CGetNameDlg>("Ann", 56, EmbeddedPictures(), nullptr); }},
        {"best results",
         [] { return std::make_unique<CBestResultsDlg>(nullptr, Store(), EmbeddedPictures(), nullptr); }},
    };
    for (const DialogCase& c : cases) {
        const std::unique_ptr<CLayoutDialog> dialog = c.open();
        ShowActive(*dialog);
        const QList<CBitmapButton*> buttons = dialog->findChildren<CBitmapButton*>();
        ASSERT_FALSE(buttons.isEmpty()) << c.name;
        for (CBitmapButton* focused : buttons) {
            focused->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(focused->hasFocus()) << c.name;
            for (CBitmapButton* button : buttons) {
                const Change change = ChangeOf(*button);
                if (button == focused) {
                    EXPECT_EQ(change.bounds, RingBounds()) << c.name << ": " << button->text().toStdString();
                } else {
                    EXPECT_EQ(change.pixels, 0) << c.name << ": " << button->text().toStdString();
                }
            }
        }
    }
}

// The count dialog opens with the number focused, a ring round its digits
// and OK showing that Enter presses it; Tab moves the ring on to OK, then to
// Cancel, and with it what Enter presses.
TEST(FocusRing, TabMovesItFromTheNumberToOkToCancelAndEnterPressesCancel) {
    CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
    ShowActive(dialog);
    auto* ok = dialog.ControlAs<CBitmapButton>(res::IDOK);
    auto* cancel = dialog.ControlAs<CBitmapButton>(res::IDCANCEL);
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    const CountField* number = dialog.findChild<CountField*>();
    ASSERT_NE(number, nullptr);
    // Ring-coloured pixels about the digits.
    const auto ringColours = [&dialog, number] {
        const QImage window = dialog.grab().toImage();
        const QRect around = ToDevice(number->geometry(), Scale());
        int count = 0;
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                const QColor colour = window.pixelColor(x, y);
                count += colour == dialog_colours::kRingDark || colour == dialog_colours::kRingLight ? 1 : 0;
            }
        }
        return count;
    };
    ASSERT_FALSE(ok->hasFocus());
    const int numberRinged = ringColours();
    const Change okByDefault = ChangeOf(*ok);
    EXPECT_EQ(okByDefault.bounds, RingBounds());
    EXPECT_EQ(Shown(*cancel), Bare(res::IDB_CANCEL));

    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(ok->hasFocus());
    const QImage okFocused = Shown(*ok);
    EXPECT_GT(ChangeOf(*ok).pixels, okByDefault.pixels);
    EXPECT_LT(ringColours(), numberRinged) << "the digits keep their ring";

    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(cancel->hasFocus());
    EXPECT_EQ(Shown(*ok), Bare(res::IDB_OK)) << "Enter no longer presses OK: no ring at all";
    EXPECT_EQ(ChangeOf(*cancel).bounds, RingBounds());

    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Shown(*ok), okFocused);
    EXPECT_EQ(Shown(*cancel), Bare(res::IDB_CANCEL));

    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// While the name is typed OK shows the thinner default ring: Enter presses
// it from the edit box.
TEST(FocusRing, DefaultButtonShowsTheThinnerRingWhileTheFocusIsElsewhere) {
    CGetNameDlg dialog("Ann", 56, EmbeddedPictures(), nullptr);
    ShowActive(dialog);
    auto* ok = dialog.ControlAs<CBitmapButton>(res::IDOK);
    ASSERT_NE(ok, nullptr);
    ASSERT_TRUE(ok->hasFocus());
    const Change focused = ChangeOf(*ok);

    dialog.NameEdit()->setFocus(Qt::TabFocusReason);
    ASSERT_FALSE(ok->hasFocus());
    const Change byDefault = ChangeOf(*ok);
    EXPECT_EQ(byDefault.bounds, RingBounds());
    EXPECT_GT(byDefault.pixels, 0);
    EXPECT_LT(byDefault.pixels, focused.pixels) << "thinner than the focus ring";

    QTest::keyClick(dialog.NameEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Where a button sits a fraction of a device pixel off the window's grid (OK
// at scale 1.5), the ring's straight edges still fill whole device pixels:
// across each edge only its own two colours, no blend with the face.
TEST(FocusRing, LiesOnTheWindowsDevicePixels) {
    CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
    ShowActive(dialog);
    auto* ok = dialog.ControlAs<CBitmapButton>(res::IDOK);
    ASSERT_NE(ok, nullptr);
    ok->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(ok->hasFocus());
    const QImage window = dialog.grab().toImage();
    const auto ringPixels = [&](QPoint from, QPoint step, int logicalLength) {
        int count = 0;
        const int length = qRound(logicalLength * Scale());
        for (int i = 0; i < length; ++i) {
            const QPointF at = QPointF(ok->pos() + from) * Scale() + QPointF(step) * i;
            const QColor colour = window.pixelColor(at.toPoint());
            if (colour == dialog_colours::kRingDark || colour == dialog_colours::kRingLight) ++count;
        }
        return count;
    };
    const int edge = qRound(2 * Scale());  // both lines, in device pixels
    // Down through the top and bottom edges left of the word, and in from the
    // left edge at mid-height.
    EXPECT_EQ(ringPixels({20, 0}, {0, 1}, 50), 2 * edge);
    EXPECT_EQ(ringPixels({0, 23}, {1, 0}, 20), edge);
}

// Held down by Space, the face sinks and the ring with it.
TEST(FocusRing, SinksWithTheHeldDownFace) {
    CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
    ShowActive(dialog);
    auto* ok = dialog.ControlAs<CBitmapButton>(res::IDOK);
    ASSERT_NE(ok, nullptr);
    QTest::keyPress(ok, Qt::Key_Space);
    ASSERT_EQ(ok->CurrentBitmap(), res::IDB_OK_PRESSED);
    EXPECT_EQ(ChangeOf(*ok).bounds, RingBounds(kPressSink));
    QTest::keyRelease(ok, Qt::Key_Space);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
