// The Qt lookup: absent ids and names, the icon, shortcuts and dialog units.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImageReader>

#include "FileFormats.h"
#include "EmbeddedFile.h"
#include "platform/qt/QtResources.h"
#include "resources/KeyTable.h"
#include "resources/Pictures.h"
#include "resources/ResourceIds.h"

namespace {

using platform::qt::QtResources;

class QtResourcesTest : public ::testing::Test {
protected:
    QtResources& resources = QtResources::Instance();
};

TEST_F(QtResourcesTest, MissingPicturesAreAbsentEveryTime) {
    for (const int id : {0, -1, 128, 138, 143, 149, 159, 65535, 1 << 30}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(resources.HasBitmap(id));
        EXPECT_FALSE(resources.BitmapSize(id).has_value());
        EXPECT_EQ(resources.Bitmap(id), nullptr);
        EXPECT_EQ(resources.Bitmap(id), nullptr);  // the remembered miss
        EXPECT_FALSE(resources.HasBitmap(id));
        EXPECT_FALSE(resources.BitmapSize(id).has_value());
    }
}

TEST_F(QtResourcesTest, MissingSoundsAreEmpty) {
    for (const char* name : {"", "move", "BEEP", "MOVE.wav", "../sounds/MOVE", "MOVE/", "WAVE", ":/sounds/MOVE.wav"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(resources.Wave(name).isEmpty());
        EXPECT_TRUE(resources.FindWave(name).empty());
    }
}

TEST_F(QtResourcesTest, SizesAreKnownBeforeAndAfterDecoding) {
    for (const res::PictureInfo& p : res::AllPictures()) {
        SCOPED_TRACE(p.id);
        ASSERT_TRUE(resources.HasBitmap(p.id)) << "missing picture";
        const auto before = resources.BitmapSize(p.id);
        ASSERT_TRUE(before.has_value());
        EXPECT_EQ(*before, (platform::PictureSize{p.width, p.height}));
        ASSERT_NE(resources.Bitmap(p.id), nullptr);
        EXPECT_EQ(resources.BitmapSize(p.id), before);
    }
}

TEST_F(QtResourcesTest, WorksThroughTheToolkitFreeInterface) {
    platform::IResources& lookup = resources;
    EXPECT_TRUE(lookup.HasBitmap(res::IDB_DIGITS));
    EXPECT_FALSE(lookup.FindWave(res::kSoundSelect).empty());
    EXPECT_TRUE(lookup.FindWave("select").empty());
}

TEST_F(QtResourcesTest, IconFileHoldsTheTwoSixteenColourImages) {
    const auto ico = testapp::ReadEmbedded(platform::qt::IconFilePath());
    ASSERT_TRUE(ico.has_value()) << "missing " << platform::qt::IconFilePath().toStdString();
    constexpr qsizetype kDirHeader = 6;
    constexpr qsizetype kDirEntry = 16;
    constexpr std::uint16_t kIconType = 1;
    EXPECT_EQ(filefmt::U16(*ico, 0), 0);
    EXPECT_EQ(filefmt::U16(*ico, 2), kIconType);
    ASSERT_EQ(filefmt::U16(*ico, 4), std::size(res::kIconImageSizes));
    for (std::size_t i = 0; i < std::size(res::kIconImageSizes); ++i) {
        const qsizetype entry = kDirHeader + static_cast<qsizetype>(i) * kDirEntry;
        const int size = static_cast<std::uint8_t>((*ico)[entry]);
        EXPECT_EQ(size, res::kIconImageSizes[i]) << "image " << i;
        EXPECT_EQ(static_cast<std::uint8_t>((*ico)[entry + 1]), size);
        // The image itself: an information header with 4 bits per pixel.
        const auto offset = static_cast<qsizetype>(filefmt::U32(*ico, entry + 12));
        EXPECT_EQ(filefmt::U32(*ico, offset), 40u);
        EXPECT_EQ(filefmt::I32(*ico, offset + 4), size);
        EXPECT_EQ(filefmt::U16(*ico, offset + 14), 4) << res::kIconColours << " colours";
    }
}

TEST_F(QtResourcesTest, DesktopIconsHaveTheirSizes) {
    for (const int size : res::kIconPngSizes) {
        QImageReader reader(platform::qt::IconPngPath(size));
        EXPECT_EQ(reader.size(), QSize(size, size)) << platform::qt::IconPngPath(size).toStdString();
    }
}

TEST_F(QtResourcesTest, WindowIconOffersSmallAndLargeImages) {
    const QIcon icon = resources.WindowIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 32, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST(KeySequences, EveryKeyEntryBecomesItsQtShortcut) {
    // Qt's portable names: Delete is "Del", Insert "Ins".
    const char* const want[] = {"Ctrl+N",   "Ctrl+O", "Ctrl+S",    "Ctrl+Z", "Alt+Backspace",
                                "Ctrl+X",   "Shift+Del", "Ctrl+C", "Ctrl+Ins", "Ctrl+V",
                                "Shift+Ins", "F6",    "Shift+F6"};
    const auto table = res::KeyTable();
    ASSERT_EQ(table.size(), std::size(want));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(platform::qt::KeySequenceOf(table[i]).toString(QKeySequence::PortableText).toStdString(), want[i]);
    }
}

TEST(KeySequences, EveryLetterMapsToItsKey) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QKeySequence seq = platform::qt::KeySequenceOf({res::kNoModifier, static_cast<res::Key>(c), 0});
        EXPECT_EQ(seq.toString(QKeySequence::PortableText).toStdString(), std::string(1, c));
    }
}

TEST(DialogUnits, EdgesRoundToTheNearestPixel) {
    // Base units 6 x 13: a horizontal unit is 1.5 px, a vertical one 1.625 px.
    const QSize base(6, 13);
    // About box OK: left 7 -> 10.5 -> 11, right 64 -> 96; top 49 -> 79.6 -> 80, bottom 67 -> 108.9 -> 109.
    EXPECT_EQ(platform::qt::DialogUnitsToPixels(base, {7, 49, 57, 18}), QRect(11, 80, 85, 29));
    // Whole dialog of the tips: 336 x 158 units.
    EXPECT_EQ(platform::qt::DialogUnitsToPixels(base, {0, 0, 336, 158}), QRect(0, 0, 504, 257));
    // Base units 8 x 16 scale exactly: two pixels per unit both ways.
    EXPECT_EQ(platform::qt::DialogUnitsToPixels({8, 16}, {15, 138, 141, 13}), QRect(30, 276, 282, 26));
}

TEST(DialogUnits, BaseUnitsFollowTheFont) {
    QFont small;
    small.setPixelSize(11);
    QFont large;
    large.setPixelSize(22);
    const QSize a = platform::qt::DialogBaseUnits(QFontMetrics(small));
    const QSize b = platform::qt::DialogBaseUnits(QFontMetrics(large));
    EXPECT_GT(a.width(), 0);
    EXPECT_GT(a.height(), 0);
    EXPECT_GT(b.width(), a.width());
    EXPECT_GT(b.height(), a.height());
    EXPECT_EQ(a.height(), QFontMetrics(small).height());
}

}  // namespace
