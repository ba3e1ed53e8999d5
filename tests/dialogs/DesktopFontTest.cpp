// The dialogs follow the desktop's font size: at Qt's default they are laid
// out exactly as their layouts say; with a larger font the font and the
// layout grow, the pictures keep their size, and every dialog stays on the
// screen, here one of 1280 x 1024.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QScreen>

#include <functional>
#include <memory>
#include <vector>

#include "dialogs/AboutDlg.h"
#include "dialogs/BestResultsDlg.h"
#include "dialogs/BitmapButton.h"
#include "dialogs/DesktopFont.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/GetNameDlg.h"
#include "dialogs/NumberGlimb.h"
#include "dialogs/ScreenRoom.h"
#include "dialogs/Tips.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "platform/qt/Text.h"
#include "tests/OffscreenScreens.h"
#include "tests/TestAccess.h"
#include "tests/dialogs/EmbeddedPictures.h"

namespace {

constexpr QSize kScreen(1280, 1024);

// The application font at `points` while it lives, as a desktop would set it.
class DesktopFontAt {
public:
    explicit DesktopFontAt(qreal points) : m_before(QApplication::font()) {
        QFont font = m_before;
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    ~DesktopFontAt() { QApplication::setFont(m_before); }
    DesktopFontAt(const DesktopFontAt&) = delete;
    DesktopFontAt& operator=(const DesktopFontAt&) = delete;

private:
    QFont m_before;
};

// Each of the game's dialogs, as the game makes it.
struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<CLayoutDialog>()> make;
};

std::vector<DialogCase> EveryGameDialog() {
    static platform::fake::MemorySettingsStore store;
    static platform::fake::RecordingShellOpen shell;
    return {
        {"About", [] { return std::make_unique<CAboutDlg>(shell, EmbeddedPictures(), nullptr); }},
        {"Tips", [] { return std::make_unique<CTips>(store, EmbeddedPictures(), nullptr); }},
        {"Count", [] { return std::make_unique<CNumberGlimb>(1, 99, 10, EmbeddedPictures(), nullptr); }},
        {"Name", [] { return std::make_unique<CGetNameDlg>("Glimbler", 56, EmbeddedPictures(), nullptr); }},
        {"Best Results", [] { return std::make_unique<CBestResultsDlg>(nullptr, store, EmbeddedPictures(), nullptr); }},
    };
}

// Every text fits its control, which lies inside the dialog; every picture
// button keeps its picture's size; every painted picture lies inside the
// dialog and clear of the controls.
void ExpectEverythingHeld(const CLayoutDialog& dialog) {
    const QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* control : controls) {
        SCOPED_TRACE(control->metaObject()->className());
        EXPECT_TRUE(dialog.rect().contains(control->geometry()));
        if (const auto* picture = qobject_cast<const CBitmapButton*>(control)) {
            EXPECT_EQ(picture->size(), picture->sizeHint());
        } else if (qobject_cast<const QAbstractButton*>(control) != nullptr ||
                   qobject_cast<const QLabel*>(control) != nullptr) {
            EXPECT_GE(control->width(), control->sizeHint().width());
            EXPECT_GE(control->height(), control->fontMetrics().height());
        }
        for (const QWidget* other : controls) {
            EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
                << "overlaps " << other->metaObject()->className();
        }
    }
    if (const auto* painted = dynamic_cast<const IPaintedParts*>(&dialog)) {
        for (const PaintedPart& part : painted->Parts()) {
            const QRect picture = part.rect();
            if (picture.isEmpty()) continue;  // heard, not seen
            const std::string name = part.name ? part.name().toStdString() : std::string();
            EXPECT_TRUE(dialog.rect().contains(picture)) << name;
            for (const QWidget* control : controls)
                EXPECT_FALSE(control->geometry().intersects(picture))
                    << name << " / " << control->metaObject()->className();
        }
    }
}

TEST(DesktopFont, TheDefaultIsWhatQtGivesWithoutADesktop) {
    // The reference the dialogs grow from: if Qt's own default changes, the
    // dialogs would no longer keep their layouts exactly at it.
    EXPECT_EQ(QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF(), desktop_font::kDefaultPoints);
}

TEST(DesktopFont, ScaleIsTheDesktopSizeOverTheDefault) {
    const struct {
        qreal points;
        qreal scale;
    } cases[] = {{9, 1}, {18, 2}, {20, 20.0 / 9}, {6, 1}};
    for (const auto& c : cases) {
        QFont font;
        font.setPointSizeF(c.points);
        EXPECT_DOUBLE_EQ(desktop_font::Scale(font), c.scale) << c.points;
    }
    QFont pixels;
    pixels.setPixelSize(24);
    EXPECT_DOUBLE_EQ(desktop_font::Scale(pixels), desktop_font::Points(pixels) / desktop_font::kDefaultPoints);
    EXPECT_GT(desktop_font::Points(pixels), 0);
}

TEST(DesktopFont, ScaledKeepsTheFontExactlyAtOne) {
    const QFont points(QStringLiteral("MS Sans Serif"), 8);
    EXPECT_EQ(desktop_font::Scaled(points, 1), points);
    EXPECT_DOUBLE_EQ(desktop_font::Scaled(points, 2.5).pointSizeF(), 20);
    EXPECT_EQ(desktop_font::Scaled(points, 2.5).family(), points.family());
    QFont pixels;
    pixels.setPixelSize(12);
    EXPECT_EQ(desktop_font::Scaled(pixels, 1.5).pixelSize(), 18);
}

TEST(ScreenRoom, FittingScaleShrinksUntilTheDialogFits) {
    // A dialog with a fixed 100-pixel picture across and 300 pixels of text per unit of scale.
    const auto dialogAt = [](qreal scale) {
        return QSize(100 + static_cast<int>(300 * scale), static_cast<int>(100 * scale));
    };
    const struct {
        const char* name;
        qreal scale;
        qreal floor;
        QSize room;
        qreal least;  // the result lies between these
        qreal most;
    } cases[] = {
        {"fits at once", 3, 1, {1000, 1000}, 3, 3},
        {"shrinks to just fit", 3, 1, {700, 1000}, 2 * 0.97, 2},
        {"shrinks for the height", 3, 1, {2000, 150}, 1.5 * 0.97, 1.5},
        {"no room stops at the floor", 3, 1, {300, 1000}, 1, 1},
        {"nor with a negative room", 3, 0.5, {-10, -10}, 0.5, 0.5},
    };
    for (const auto& c : cases) {
        int calls = 0;
        QSize last;
        const qreal scale = screen_room::FittingScale(c.scale, c.floor, c.room, [&](qreal tried) {
            ++calls;
            last = dialogAt(tried);
            return last;
        });
        EXPECT_GE(scale, c.least) << c.name;
        EXPECT_LE(scale, c.most) << c.name;
        EXPECT_EQ(last, dialogAt(scale)) << c.name;
        if (scale > c.floor) {
            EXPECT_TRUE(screen_room::Fits(last, c.room)) << c.name;
        }
        EXPECT_LT(calls, 50) << c.name;
    }
}

TEST(DesktopFont, PictureButtonsMoveWithTheirRectanglesCentres) {
    // Base units at the default size and at a desktop font twice as large.
    const QSize atDefault(7, 13);
    const QSize larger(15, 28);
    int pictureButtons = 0;
    for (const res::DialogLayout& layout : res::AllDialogs()) {
        const LayoutGeometry before = ComputeLayout(layout, atDefault);
        const LayoutGeometry after = ComputeLayout(layout, larger, atDefault);
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            const res::DialogControl& control = layout.controls[i];
            if (control.kind != res::ControlKind::PictureButton) continue;
            ++pictureButtons;
            SCOPED_TRACE(layout.title.English());
            const QRect rectBefore = DialogUnitsToPixels(atDefault, control.rect);
            const QRect rectAfter = DialogUnitsToPixels(larger, control.rect);
            EXPECT_EQ(before.controls[i], QRect(rectBefore.topLeft(), QSize(120, 50)));
            EXPECT_EQ(after.controls[i].size(), QSize(120, 50));
            EXPECT_EQ(after.controls[i].center() - rectAfter.center(),
                      before.controls[i].center() - rectBefore.center());
        }
    }
    EXPECT_EQ(pictureButtons, 4);
}

TEST(DesktopFont, AtTheDefaultSizeEveryLayoutKeepsItsOwnFont) {
    ASSERT_EQ(desktop_font::Scale(QApplication::font()), 1);
    for (const res::DialogLayout& layout : res::AllDialogs()) {
        CLayoutDialog dialog(layout.id, EmbeddedPictures(), nullptr);
        const QFont own(platform::qt::ToQString(layout.fontName), layout.fontPoints);
        EXPECT_EQ(dialog.font(), own) << layout.title.English();
        EXPECT_EQ(dialog.size(), ComputeLayout(layout, DialogBaseUnits(QFontMetrics(own))).client)
            << layout.title.English();
    }
    platform::fake::MemorySettingsStore store;
    CBestResultsDlg best(nullptr, store, EmbeddedPictures(), nullptr);
    QFont table = QApplication::font();
    table.setStyleStrategy(QFont::NoAntialias);
    EXPECT_EQ(TestAccess::TableFont(best), table);
}

TEST(DesktopFont, ALargerDesktopFontGrowsEveryDialogWithinTheScreen) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().size(), kScreen);
    constexpr qreal kPoints = 20;
    for (const DialogCase& c : EveryGameDialog()) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<CLayoutDialog> atDefault = c.make();
        const DesktopFontAt larger(kPoints);
        const std::unique_ptr<CLayoutDialog> dialog = c.make();
        EXPECT_GT(dialog->width(), atDefault->width());
        EXPECT_GT(dialog->height(), atDefault->height());
        EXPECT_TRUE(screen_room::Fits(dialog->size(), screen_room::RoomFor(nullptr, QApplication::font())))
            << dialog->width() << " x " << dialog->height();
        // The screen has room for all of it: the font grows in full proportion.
        EXPECT_DOUBLE_EQ(dialog->font().pointSizeF(),
                         dialog->Layout().fontPoints * kPoints / desktop_font::kDefaultPoints);
        ExpectEverythingHeld(*dialog);
    }
    const DesktopFontAt larger(kPoints);
    platform::fake::MemorySettingsStore store;
    const CBestResultsDlg best(nullptr, store, EmbeddedPictures(), nullptr);
    EXPECT_DOUBLE_EQ(TestAccess::TableFont(best).pointSizeF(), kPoints);
}

TEST(DesktopFont, AFontTooLargeForTheScreenGrowsOnlyAsFarAsItFits) {
    constexpr qreal kPoints = 60;
    const DesktopFontAt huge(kPoints);
    const QSize room = screen_room::RoomFor(nullptr, QApplication::font());
    for (const DialogCase& c : EveryGameDialog()) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<CLayoutDialog> dialog = c.make();
        EXPECT_TRUE(screen_room::Fits(dialog->size(), room)) << dialog->width() << " x " << dialog->height();
        const qreal points = dialog->font().pointSizeF();
        EXPECT_GT(points, dialog->Layout().fontPoints);
        EXPECT_LT(points, dialog->Layout().fontPoints * kPoints / desktop_font::kDefaultPoints);
        ExpectEverythingHeld(*dialog);
    }
    platform::fake::MemorySettingsStore store;
    const CBestResultsDlg best(nullptr, store, EmbeddedPictures(), nullptr);
    EXPECT_GT(TestAccess::TableFont(best).pointSizeF(), desktop_font::kDefaultPoints);
    EXPECT_LT(TestAccess::TableFont(best).pointSizeF(), kPoints);
}

}  // namespace

// One offscreen screen of 1280 x 1024, and the settings in a temporary folder.
int main(int argc, char* argv[]) {
    return RunOnOffscreenScreens(
        argc, argv,
        QStringLiteral(R"({"screens": [{"name": "one", "x": 0, "y": 0, "width": %1, "height": %2,
                                        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
            .arg(kScreen.width())
            .arg(kScreen.height())
            .toUtf8());
}
