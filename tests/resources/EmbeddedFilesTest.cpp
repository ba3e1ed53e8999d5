// The Qt lookup: absent ids and names, and the icon.
#include <gtest/gtest.h>

#include <QImageReader>

#include "EmbeddedFile.h"
#include "FileFormats.h"
#include "platform/qt/pictures/EmbeddedFiles.h"
#include "platform/qt/pictures/ResourceFiles.h"
#include "resources/Pictures.h"
#include "resources/ResourceIds.h"

namespace {

using platform::qt::EmbeddedFiles;

class EmbeddedFilesTest : public ::testing::Test {
protected:
    EmbeddedFiles& resources = EmbeddedFiles::Instance();
};

TEST_F(EmbeddedFilesTest, MissingPicturesAreAbsentEveryTime) {
    for (const int id : {0, -1, 128, 138, 143, 149, 159, 65535, 1 << 30}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(resources.Bitmap(id), nullptr);
        EXPECT_EQ(resources.Bitmap(id), nullptr);  // the remembered miss
    }
}

TEST_F(EmbeddedFilesTest, MissingSoundsAreEmpty) {
    for (const char* name : {"", "move", "BEEP", "MOVE.wav", "../sounds/MOVE", "MOVE/", "WAVE", ":/sounds/MOVE.wav"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(resources.Wave(name).isEmpty());
        EXPECT_TRUE(resources.Wave(name).isEmpty());  // the remembered miss
    }
}

TEST_F(EmbeddedFilesTest, IconFileHoldsTheTwoSixteenColourImages) {
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

TEST_F(EmbeddedFilesTest, DesktopIconsHaveTheirSizes) {
    for (const int size : res::kIconPngSizes) {
        QImageReader reader(platform::qt::IconPngPath(size));
        EXPECT_EQ(reader.size(), QSize(size, size)) << platform::qt::IconPngPath(size).toStdString();
    }
}

TEST_F(EmbeddedFilesTest, WindowIconOffersSmallAndLargeImages) {
    const QIcon icon = resources.WindowIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 32, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

}  // namespace
