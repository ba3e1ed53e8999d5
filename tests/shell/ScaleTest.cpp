// The game at the screen's own resolution. Run at the scales ctest gives in
// QT_SCALE_FACTOR, on two offscreen screens, the second twice as fine as the
// first: the logical layout never changes, the device pixels come from the
// finest art each picture needs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <cmath>
#include <cstdlib>

#include "dialogs/BestResultsDlg.h"
#include "dialogs/BitmapButton.h"
#include "dialogs/DialogColours.h"
#include "dialogs/NumberGlimb.h"
#include "dialogs/Tips.h"
#include "engine/TileCode.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingSurface.h"
#include "platform/qt/pictures/DeviceScale.h"
#include "platform/qt/pictures/EmbeddedFiles.h"
#include "platform/qt/pictures/ImageSurface.h"
#include "platform/qt/pictures/ScaledPictures.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"
#include "shell/HelpWindow.h"
#include "shell/ManualBrowser.h"
#include "tests/OffscreenScreens.h"
#include "tests/TestAccess.h"
#include "tests/shell/ShellRig.h"

namespace {

using platform::fake::Event;
using platform::qt::ToDevice;

qreal ScaleUnderTest() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

QRect ToQRect(platform::Rect r) { return {r.x, r.y, r.w, r.h}; }

// The board as the engine lays it out, composed straight from the art drawn
// `fineness` times finer, copy by copy (the test boards' cells are the art's
// own size).
QImage ComposeBoard(CPuzzle& puzzle, int fineness) {
    platform::fake::EventLog log;
    platform::fake::RecordingSurface surface(log);
    puzzle.DrawBoard(surface);
    QImage board(QSize(puzzle.GetBoardWidth(), puzzle.GetBoardHeight()) * fineness, QImage::Format_RGB32);
    QPainter painter(&board);
    for (const Event& e : log.events) {
        const QImage* art = platform::qt::EmbeddedFiles::Instance().Bitmap(e.bitmap, fineness);
        if (art == nullptr) return {};
        const QRect src = ToQRect(e.src), dst = ToQRect(e.dst);
        painter.drawImage(dst.topLeft() * fineness, *art, QRect(src.topLeft() * fineness, src.size() * fineness));
    }
    return board;
}

// Mean difference per colour channel, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

QImage Resized(const QImage& image, QSize size, Qt::TransformationMode mode) {
    return image.scaled(size, Qt::IgnoreAspectRatio, mode).convertToFormat(QImage::Format_RGB32);
}

struct ScaleRig : ShellRig {
    ScaleRig() {
        settings.values = {{"Size", "8"}, {"Number", "4"}, {"ShowTips", "1"}};
        Start();
        Frame().show();
        Paint();
    }
    QImage Board() const {
        const CQuelmView& view = *app.View();
        const QSize board(view.Puzzle()->GetBoardWidth(), view.Puzzle()->GetBoardHeight());
        return view.WindowImage().copy(QRect(QPoint(0, 0), ToDevice(board, view.WindowScale())));
    }
};

TEST(Scale, TheLayoutStaysInLogicalPixels) {
    ScaleRig rig;
    const qreal scale = ScaleUnderTest();
    ASSERT_DOUBLE_EQ(rig.View().devicePixelRatioF(), scale) << "the screen does not have the scale under test";
    for (const int command : {res::kSmallestBoard.command, res::kLargestBoard.command}) {
        ASSERT_TRUE(rig.Frame().OnCommand(command));
        rig.Paint();
        const int w = rig.Puzzle().GetBoardWidth();
        EXPECT_EQ(rig.View().size(), QSize(w, w + 58));
        EXPECT_EQ(rig.FrameClientArea(), QSize(w + 4, w + 62));
        EXPECT_EQ(rig.View().WindowImage().size(), ToDevice(QSize(w, w + 60), scale));
        // What the window shows is the retained picture, pixel for pixel.
        const QImage shown = rig.View().grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, rig.View().WindowImage().copy(QRect(QPoint(0, 0), shown.size())));
    }
}

// `shown`, in device pixels at the scale under test, is the art that scale
// needs: at 1 and 2 the art of that fineness pixel for pixel; between them
// the 2x art brought down, clearly sharper than the 1x art magnified.
void ExpectDrawnFromFinestArt(const QImage& shown, const QImage& fine, const QImage& coarse) {
    ASSERT_FALSE(fine.isNull());
    ASSERT_FALSE(coarse.isNull());
    const qreal scale = ScaleUnderTest();
    if (scale == 1) {
        EXPECT_EQ(shown, coarse.convertToFormat(QImage::Format_RGB32));
    } else if (scale == 2) {
        EXPECT_EQ(shown, fine.convertToFormat(QImage::Format_RGB32));
    }
    if (scale <= 1) return;
    const double toFine = MeanDifference(shown, Resized(fine, shown.size(), Qt::SmoothTransformation));
    const double toCoarse = MeanDifference(shown, Resized(coarse, shown.size(), Qt::FastTransformation));
    EXPECT_LT(toFine, 2.0);
    EXPECT_GT(toCoarse, 2 * toFine) << "fine " << toFine << ", coarse " << toCoarse;
}

QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

const QImage& Art(int id, int fineness) {
    static const QImage kNone;
    const QImage* art = platform::qt::EmbeddedFiles::Instance().Bitmap(id, fineness);
    return art != nullptr ? *art : kNone;
}

TEST(Scale, TheBoardIsDrawnFromTheArtItsDevicePixelsNeed) {
    ScaleRig rig;
    ExpectDrawnFromFinestArt(rig.Board(), ComposeBoard(rig.Puzzle(), 2), ComposeBoard(rig.Puzzle(), 1));
}

// Cells not the art's size: each tile is its frame scaled alone, as the
// whole strip scaled at once holds it.
TEST(Scale, ScaledTilesAreTheirStripsFrames) {
    ScaleRig rig;
    ASSERT_TRUE(rig.Frame().OnCommand(res::kLargestBoard.command));
    rig.Paint();
    platform::fake::EventLog log;
    platform::fake::RecordingSurface surface(log);
    rig.Puzzle().DrawBoard(surface);
    platform::qt::ScaledPictures strips;
    const qreal scale = ScaleUnderTest();
    QImage expected = rig.Board();
    expected.fill(Qt::black);
    QPainter painter(&expected);
    for (const Event& e : log.events) {
        const QRect target = ToDevice(ToQRect(e.dst), scale);
        const int fineness = platform::qt::FinenessFor({e.src.w, e.src.h}, target.size(), scale);
        const QImage* strip = strips.Frames(e.bitmap, fineness, e.src.w, e.src.h, target.width(), target.height());
        ASSERT_NE(strip, nullptr);
        painter.drawImage(target.topLeft(), *strip,
                          QRect(e.src.x / e.src.w * target.width(), 0, target.width(), target.height()));
    }
    painter.end();
    EXPECT_EQ(rig.Board(), expected);
}

TEST(Scale, DialogPicturesAreDrawnFromTheArtTheirDevicePixelsNeed) {
    platform::qt::ScaledPictures pictures;
    for (const int id : {res::IDB_OK, res::IDB_CANCEL_PRESSED}) {
        CBitmapButton button(QStringLiteral("OK"), pictures, nullptr);
        button.LoadBitmaps(id, id);
        button.resize(button.sizeHint());
        ExpectDrawnFromFinestArt(Grab(button), Art(id, 2), Art(id, 1));
    }
    // The count picker's digits: frames of 40 shown at 40.
    CNumberGlimb picker(4, 8, 6, pictures, nullptr);
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    const platform::Rect units = TestAccess::Picker(picker).DigitsRect();
    const QRect six(units.x + 40, units.y, 40, 40);
    ExpectDrawnFromFinestArt(TestAccess::WindowPicture(picker).copy(ToDevice(six, ScaleUnderTest())),
                             Art(res::IDB_DIGITS, 2).copy(480, 0, 80, 80),
                             Art(res::IDB_DIGITS, 1).copy(240, 0, 40, 40));

    platform::fake::MemorySettingsStore store;
    CTips tips(store, pictures, nullptr);
    tips.show();  // the first tip is chosen as the dialog opens
    const QRect area(CTips::kPictureLeft, CTips::kPictureTop, CTips::kPictureWidth, CTips::kPictureHeight);
    ExpectDrawnFromFinestArt(Grab(tips).copy(ToDevice(area, ScaleUnderTest())), Art(TestAccess::TipBitmap(tips), 2),
                             Art(TestAccess::TipBitmap(tips), 1));
}

// The best-results frame: each side equally thick, a whole number of device
// pixels.
TEST(Scale, TheBestResultsFrameIsEquallyThickOnEverySide) {
    platform::fake::MemorySettingsStore store;
    platform::qt::ScaledPictures pictures;
    CBestResultsDlg dialog(nullptr, store, pictures, nullptr);
    const QImage shown = Grab(dialog);
    const platform::Rect f = dialog.Geometry().frame;
    const QRect d = ToDevice(QRect(f.x, f.y, f.w, f.h), ScaleUnderTest());
    const QRgb ink = dialog_colours::kTableInk.rgb();
    auto run = [&](QPoint from, QPoint step) {
        int n = 0;
        for (QPoint p = from; shown.rect().contains(p) && shown.pixel(p) == ink; p += step) ++n;
        return n;
    };
    const int top = run({d.center().x(), d.top()}, {0, 1});
    EXPECT_GE(top, 1);
    EXPECT_EQ(run({d.center().x(), d.bottom()}, {0, -1}), top);
    EXPECT_EQ(run({d.left(), d.center().y()}, {1, 0}), top);
    EXPECT_EQ(run({d.right(), d.center().y()}, {-1, 0}), top);
}

TEST(Scale, ClicksAtLogicalPointsPlayTheSameTiles) {
    ScaleRig rig;
    const int cell = rig.Puzzle().GetCellSize();
    for (const auto& [c, r] : {std::pair{0, 0}, std::pair{3, 5}, std::pair{7, 7}}) {
        QTest::mouseClick(&rig.View(), Qt::LeftButton, {}, QPoint(c * cell + cell - 1, r * cell + cell - 1));
        EXPECT_FALSE(tile::IsCovered(rig.Puzzle().GetTile(c, r))) << c << "," << r;
    }
}

TEST(Scale, AChangedBoardOrTileSetIsDrawnAtTheCurrentScale) {
    ScaleRig rig;
    for (const int command : {res::kLargestBoard.command, res::ID_TILES_SAND, res::FindBoardSize(11)->command}) {
        ASSERT_TRUE(rig.Frame().OnCommand(command));
        QTest::mouseClick(&rig.View(), Qt::LeftButton, {}, QPoint(5, 5));
        rig.Paint();
        // The picture kept through the click equals one drawn afresh.
        const qreal scale = rig.View().WindowScale();
        QImage fresh(rig.View().WindowImage().size(), QImage::Format_RGB32);
        {
            platform::qt::ImageSurface surface(fresh, rig.fakes.pictures, scale);
            rig.View().OnDraw(surface);
        }
        EXPECT_EQ(rig.View().WindowImage(), fresh) << command;
    }
}

TEST(Scale, FollowsTheWindowToAScreenOfAnotherScale) {
    ScaleRig rig;
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2) GTEST_SKIP() << "one screen only";
    const qreal first = rig.View().WindowScale();
    rig.Frame().windowHandle()->setScreen(screens[1]);
    QApplication::processEvents();
    rig.Paint();
    EXPECT_DOUBLE_EQ(rig.View().WindowScale(), 2 * first);
    EXPECT_EQ(rig.View().WindowImage().size(), ToDevice(rig.View().size() + QSize(0, 2), 2 * first));
    rig.Frame().windowHandle()->setScreen(screens[0]);
    QApplication::processEvents();
    rig.Paint();
    EXPECT_DOUBLE_EQ(rig.View().WindowScale(), first);
}

TEST(Scale, TheManualsPicturesAreTheFineOnesOnAFineScreen) {
    platform::fake::RecordingShellOpen shell;
    HelpWindow help(shell, nullptr);
    help.ShowContents(QStringLiteral(GLIMBLES_BUILT_MANUAL));
    const QVariant strip = TestAccess::Browser(help)->document()->resource(QTextDocument::ImageResource,
                                                                           QUrl("help-strip.png"));
    const QImage image = strip.canConvert<QImage>() ? strip.value<QImage>() : QImage::fromData(strip.toByteArray());
    // 320 x 60 on the page: the picture's own pixels at 1, twice as many on finer screens.
    EXPECT_EQ(image.width(), ScaleUnderTest() > 1 ? 640 : 320);
}

}  // namespace

// Two offscreen screens side by side, the second twice as fine, and the
// settings in a temporary folder.
int main(int argc, char* argv[]) {
    return RunOnOffscreenScreens(argc, argv, R"({"screens": [
        {"name": "one", "x": 0, "y": 0, "width": 1600, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "two", "x": 1600, "y": 0, "width": 1600, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})");
}
