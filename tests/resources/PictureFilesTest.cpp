// Every embedded picture, read byte by byte, against its catalogue row, and
// decoded through the program's own lookup.
#include <gtest/gtest.h>

#include <QDir>

#include "EmbeddedFile.h"
#include "FileFormats.h"
#include "platform/qt/pictures/EmbeddedFiles.h"
#include "platform/qt/pictures/ResourceFiles.h"
#include "resources/Pictures.h"

// Names a picture by its id in test output.
namespace res {
void PrintTo(const PictureInfo& picture, std::ostream* os) { *os << "picture " << picture.id; }
}  // namespace res

namespace {

using platform::qt::BitmapPath;
using platform::qt::EmbeddedFiles;

constexpr std::uint32_t kFileAndInfoHeaders = 14 + 40;
constexpr std::uint32_t kPaletteBytes = 256 * 4;

class PictureFileTest : public ::testing::TestWithParam<res::PictureInfo> {
protected:
    void SetUp() override {
        const auto bytes = testapp::ReadEmbedded(BitmapPath(GetParam().id));
        ASSERT_TRUE(bytes.has_value()) << "missing picture " << BitmapPath(GetParam().id).toStdString();
        file = *bytes;
        const auto parsed = filefmt::ReadBmpHeader(file);
        ASSERT_TRUE(parsed.has_value()) << "not a bitmap file: " << GetParam().id;
        header = *parsed;
    }

    QByteArray file;
    filefmt::BmpHeader header;
};

TEST_P(PictureFileTest, HeaderMatchesTheCatalogue) {
    const res::PictureInfo& p = GetParam();
    EXPECT_EQ(header.fileSize, static_cast<std::uint32_t>(file.size()));
    EXPECT_EQ(header.infoSize, 40u);
    EXPECT_EQ(header.width, p.width);
    EXPECT_EQ(header.height, p.height) << "a negative height would be stored top-down";
    EXPECT_EQ(header.planes, 1);
    EXPECT_EQ(header.bitsPerPixel, p.bitsPerPixel);
    EXPECT_EQ(header.compression, 0u) << "must be uncompressed";
}

TEST_P(PictureFileTest, PaletteAndRowsAreWhereTheyBelong) {
    const res::PictureInfo& p = GetParam();
    EXPECT_EQ(header.paletteEntries, p.PaletteEntries());
    if (p.bitsPerPixel == 8) {
        EXPECT_TRUE(header.coloursUsed == 0 || header.coloursUsed == 256) << header.coloursUsed;
        EXPECT_EQ(header.pixelOffset, kFileAndInfoHeaders + kPaletteBytes);
    } else {
        EXPECT_EQ(header.coloursUsed, 0u);
        EXPECT_EQ(header.pixelOffset, kFileAndInfoHeaders);
    }
    const std::uint64_t rows = static_cast<std::uint64_t>(header.RowStride()) * p.height;
    EXPECT_GE(static_cast<std::uint64_t>(file.size()), header.pixelOffset + rows) << "rows cut short";
}

TEST_P(PictureFileTest, FramesDivideTheWidth) {
    const res::PictureInfo& p = GetParam();
    EXPECT_EQ(header.width % p.frameCount, 0);
    if (p.frameCount > 1) {
        EXPECT_EQ(header.width / p.frameCount, header.height) << "strip frames are square";
    }
}

TEST_P(PictureFileTest, DecodesOnceToTheSamePixels) {
    const res::PictureInfo& p = GetParam();
    const QImage* image = EmbeddedFiles::Instance().Bitmap(p.id);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->format(), QImage::Format_RGB32);
    EXPECT_EQ(image->size(), QSize(p.width, p.height));
    EXPECT_EQ(EmbeddedFiles::Instance().Bitmap(p.id), image) << "decoded again instead of kept";

    // Corners and the middle of every frame, read from the rows ourselves:
    // a picture flipped, shifted or given the wrong palette shows here.
    for (int frame = 0; frame < p.frameCount; ++frame) {
        const int left = frame * p.FrameWidth();
        const int right = left + p.FrameWidth() - 1;
        const QPoint points[] = {{left, 0},
                                 {right, 0},
                                 {left, p.height - 1},
                                 {right, p.height - 1},
                                 {left + p.FrameWidth() / 2, p.height / 2}};
        for (const QPoint& at : points) {
            const std::uint32_t want = filefmt::BmpPixel(file, header, at.x(), at.y());
            EXPECT_EQ(image->pixel(at) & 0xFFFFFFu, want) << "frame " << frame << " at " << at.x() << "," << at.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, PictureFileTest,
                         ::testing::ValuesIn(res::AllPictures().begin(), res::AllPictures().end()),
                         [](const auto& info) { return "Bitmap" + std::to_string(info.param.id); });

TEST(PictureFiles, EveryEmbeddedPictureIsCatalogued) {
    const QStringList names = QDir(QStringLiteral(":/bitmaps")).entryList(QDir::Files);
    EXPECT_EQ(names.size(), static_cast<qsizetype>(res::AllPictures().size()));
    for (const QString& name : names) {
        bool isNumber = false;
        const int id = QString(name).remove(QStringLiteral(".bmp")).toInt(&isNumber);
        EXPECT_TRUE(isNumber && name.endsWith(QStringLiteral(".bmp"))) << name.toStdString();
        EXPECT_NE(res::FindPicture(id), nullptr) << "stray picture " << name.toStdString();
    }
}

}  // namespace
