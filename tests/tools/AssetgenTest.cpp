// The asset generator's writers produce the exact file layouts the game reads,
// its sounds are levelled and faded, the finer pictures and the scalable icon
// show what the others show, and two runs give the same bytes.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdint>
#include <map>
#include <set>

#include "tools/assetgen/AssetSet.h"
#include "tools/assetgen/BmpWriter.h"
#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/IcoWriter.h"
#include "tools/assetgen/Quantizer.h"
#include "tools/assetgen/Sounds.h"
#include "tools/assetgen/TileStrips.h"
#include "tools/assetgen/WavWriter.h"

#include "tests/tools/GeneratedFolder.h"

#include "resources/Pictures.h"
#include "resources/ResourceIds.h"
#include "resources/Sounds.h"

// Names a catalogued sound in test output.
namespace res {
void PrintTo(const SoundInfo& sound, std::ostream* out) { *out << sound.name; }
}  // namespace res

namespace {

using namespace assetgen;

std::uint32_t U16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

std::uint32_t U32(const QByteArray& b, qsizetype at) { return U16(b, at) | U16(b, at + 2) << 16; }

std::int32_t S32(const QByteArray& b, qsizetype at) { return static_cast<std::int32_t>(U32(b, at)); }

// The fields of a bitmap file's two headers that the game depends on.
struct BmpFields {
    std::uint32_t fileSize, pixelOffset, infoSize;
    std::int32_t width, height;
    std::uint32_t planes, bits, compression, imageSize, coloursUsed;
};

BmpFields ReadBmp(const QByteArray& b) {
    return {U32(b, 2),  U32(b, 10), U32(b, 14), S32(b, 18), S32(b, 22),
            U16(b, 26), U16(b, 28), U32(b, 30), U32(b, 34), U32(b, 46)};
}

QImage Decode(const QByteArray& bytes, const char* format) { return QImage::fromData(bytes, format); }

// --- bitmaps --------------------------------------------------------------

IndexedImage SmallIndexed() {
    IndexedImage img;
    img.width = 5;
    img.height = 3;
    for (int i = 0; i < 256; ++i) img.palette[i] = qRgb(i, 255 - i, (i * 7) % 256);
    for (int i = 0; i < 15; ++i) img.indices.push_back(static_cast<std::uint8_t>(i * 17));
    return img;
}

TEST(BmpWriter, EightBitHeadersPaletteAndPaddedBottomUpRows) {
    const IndexedImage img = SmallIndexed();
    const QByteArray b = EncodeBmp8(img);
    const BmpFields f = ReadBmp(b);
    const int stride = 8;  // 5 bytes padded to 8
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(f.infoSize, 40u);
    EXPECT_EQ(f.pixelOffset, 14u + 40u + 256u * 4u);
    EXPECT_EQ(f.fileSize, static_cast<std::uint32_t>(b.size()));
    EXPECT_EQ(b.size(), 14 + 40 + 1024 + stride * 3);
    EXPECT_EQ(f.width, 5);
    EXPECT_EQ(f.height, 3) << "positive: stored bottom-up";
    EXPECT_EQ(f.planes, 1u);
    EXPECT_EQ(f.bits, 8u);
    EXPECT_EQ(f.compression, 0u);
    EXPECT_EQ(f.imageSize, static_cast<std::uint32_t>(stride * 3));
    EXPECT_EQ(f.coloursUsed, 256u);
    // Palette entry 200: blue, green, red, zero.
    const qsizetype entry = 54 + 200 * 4;
    EXPECT_EQ(static_cast<std::uint8_t>(b[entry]), qBlue(img.palette[200]));
    EXPECT_EQ(static_cast<std::uint8_t>(b[entry + 1]), qGreen(img.palette[200]));
    EXPECT_EQ(static_cast<std::uint8_t>(b[entry + 2]), qRed(img.palette[200]));
    EXPECT_EQ(b[entry + 3], '\0');
    // The first stored row is the picture's bottom row, then zero padding.
    for (int row = 0; row < 3; ++row) {
        const int y = 2 - row;
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(static_cast<std::uint8_t>(b[f.pixelOffset + row * stride + x]), img.indices[y * 5 + x]);
        for (int x = 5; x < stride; ++x) EXPECT_EQ(b[f.pixelOffset + row * stride + x], '\0');
    }
    const QImage back = Decode(b, "BMP");
    ASSERT_EQ(back.size(), QSize(5, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.pixel(x, y), img.palette[img.indices[y * 5 + x]]) << x << "," << y;
}

TEST(BmpWriter, TwentyFourBitHasNoPaletteAndReadsBack) {
    QImage img(5, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) img.setPixel(x, y, qRgb(x * 50, y * 200, 30 + x + y));
    const QByteArray b = EncodeBmp24(img);
    const BmpFields f = ReadBmp(b);
    const int stride = 16;  // 15 bytes padded to 16
    EXPECT_EQ(f.pixelOffset, 54u);
    EXPECT_EQ(f.bits, 24u);
    EXPECT_EQ(f.coloursUsed, 0u);
    EXPECT_EQ(f.height, 2);
    EXPECT_EQ(b.size(), 54 + stride * 2);
    // Bottom row first, blue green red.
    EXPECT_EQ(static_cast<std::uint8_t>(b[54]), qBlue(img.pixel(0, 1)));
    EXPECT_EQ(static_cast<std::uint8_t>(b[55]), qGreen(img.pixel(0, 1)));
    EXPECT_EQ(static_cast<std::uint8_t>(b[56]), qRed(img.pixel(0, 1)));
    EXPECT_EQ(b[54 + 15], '\0');
    const QImage back = Decode(b, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back, img);
}

TEST(BmpWriter, RowStridesPadToFourBytes) {
    const struct {
        int width, bits, stride;
    } cases[] = {{1, 8, 4},   {4, 8, 4},  {5, 8, 8},  {90, 24, 272}, {100, 24, 300},
                 {32, 4, 16}, {16, 4, 8}, {16, 1, 4}, {33, 1, 8}};
    for (const auto& c : cases) EXPECT_EQ(BmpRowStride(c.width, c.bits), c.stride) << c.width << "x" << c.bits;
}

// --- palettes -------------------------------------------------------------

TEST(Quantizer, KeepsEveryColourWhenThereAreFewEnough) {
    QImage img(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) img.setPixel(x, y, qRgb(x * 16, y * 16, (x ^ y) * 16));
    const IndexedImage q = Quantize8(img);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) EXPECT_EQ(q.palette[q.indices[y * 16 + x]], img.pixel(x, y));
}

TEST(Quantizer, ManyColoursStayClose) {
    QImage img(200, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 200; ++x) img.setPixel(x, y, qRgb(x, (y * 4) % 256, (x + y * 3) % 256));
    const IndexedImage q = Quantize8(img);
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 200; ++x) {
            const QRgb a = img.pixel(x, y), b = q.palette[q.indices[y * 200 + x]];
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(worst, 24);
}

// --- waves ----------------------------------------------------------------

struct Chunk {
    QByteArray id;
    std::uint32_t size;
    qsizetype payload;
};

std::vector<Chunk> Chunks(const QByteArray& b) {
    std::vector<Chunk> out;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = U32(b, at + 4);
        out.push_back({b.mid(at, 4), size, at + 8});
        at += 8 + size + (size % 2);
    }
    return out;
}

TEST(WavWriter, ExtendedLayoutHasFactAndTrailingList) {
    const QByteArray pcm(qsizetype{4} * 10, '\x01');
    const res::SoundInfo sound{"TEST", 2, 22050, 16, 4 * 10, res::WaveLayout::Extended};
    const QByteArray b = EncodeWav(sound, pcm, QStringLiteral("odd"));
    EXPECT_EQ(b.left(4), QByteArray("RIFF"));
    EXPECT_EQ(U32(b, 4), static_cast<std::uint32_t>(b.size() - 8));
    EXPECT_EQ(b.mid(8, 4), QByteArray("WAVE"));
    const auto c = Chunks(b);
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0].id, "fmt ");
    EXPECT_EQ(c[0].size, 18u);
    EXPECT_EQ(U16(b, c[0].payload), 1u);          // PCM
    EXPECT_EQ(U16(b, c[0].payload + 2), 2u);      // channels
    EXPECT_EQ(U32(b, c[0].payload + 4), 22050u);  // rate
    EXPECT_EQ(U32(b, c[0].payload + 8), 88200u);  // bytes per second
    EXPECT_EQ(U16(b, c[0].payload + 12), 4u);     // block align
    EXPECT_EQ(U16(b, c[0].payload + 14), 16u);    // bits
    EXPECT_EQ(U16(b, c[0].payload + 16), 0u);     // no extra bytes
    EXPECT_EQ(c[1].id, "fact");
    EXPECT_EQ(c[1].size, 4u);
    EXPECT_EQ(U32(b, c[1].payload), 10u) << "sample frames";
    EXPECT_EQ(c[2].id, "data");
    EXPECT_EQ(b.mid(c[2].payload, c[2].size), pcm);
    EXPECT_EQ(c[3].id, "LIST");
    EXPECT_EQ(b.mid(c[3].payload, 4), QByteArray("INFO"));
    EXPECT_TRUE(b.mid(c[3].payload, c[3].size).contains("ICMT"));
    // "odd\0" is even; the software name decides the padding of ISFT.
    EXPECT_EQ(c[3].payload + static_cast<qsizetype>(c[3].size), b.size());
}

TEST(WavWriter, PlainLayoutIsFormatAndDataOnlyWithOddDataPadded) {
    const QByteArray pcm(7, '\x80');
    const res::SoundInfo sound{"TEST", 1, 11025, 8, 7, res::WaveLayout::Plain};
    const QByteArray b = EncodeWav(sound, pcm, QString());
    const auto c = Chunks(b);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].id, "fmt ");
    EXPECT_EQ(c[0].size, 16u);
    EXPECT_EQ(U32(b, c[0].payload + 8), 11025u);
    EXPECT_EQ(U16(b, c[0].payload + 12), 1u);
    EXPECT_EQ(c[1].id, "data");
    EXPECT_EQ(c[1].size, 7u);
    EXPECT_EQ(b.size(), 12 + 8 + 16 + 8 + 8) << "one pad byte after the odd data";
    EXPECT_EQ(U32(b, 4), static_cast<std::uint32_t>(b.size() - 8));
}

TEST(WavWriter, PcmSilenceAndFullScale) {
    EXPECT_EQ(PcmBytes({0.0, 1.0, -1.0, 2.0}, 8), QByteArray("\x80\xFF\x01\xFF", 4)) << "8-bit is unsigned";
    const QByteArray wide = PcmBytes({0.0, 1.0, -1.0}, 16);
    ASSERT_EQ(wide.size(), 6);
    EXPECT_EQ(U16(wide, 0), 0u);
    EXPECT_EQ(U16(wide, 2), 0x7FFFu);
    EXPECT_EQ(U16(wide, 4), 0x8001u);
}

class SoundTest : public ::testing::TestWithParam<res::SoundInfo> {};

TEST_P(SoundTest, FillsItsBytesPeaksNearMinusThreeAndIsSilentAtTheEnds) {
    const res::SoundInfo& s = GetParam();
    const std::vector<double> samples = SoundSamples(s);
    const int blockAlign = s.channels * s.bitsPerSample / 8;
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(s.dataBytes / blockAlign * s.channels));
    double peak = 0;
    for (double v : samples) peak = std::max(peak, std::abs(v));
    EXPECT_NEAR(20 * std::log10(peak), kSoundPeakDb, 0.01);
    for (int c = 0; c < s.channels; ++c) {
        EXPECT_EQ(samples[c], 0.0);
        EXPECT_EQ(samples[samples.size() - 1 - c], 0.0);
    }
    // Something plays in the first tenth of a second.
    double early = 0;
    const auto earlySamples = static_cast<std::size_t>(s.sampleRate / 10) * static_cast<std::size_t>(s.channels);
    for (std::size_t i = 0; i < earlySamples; ++i) early = std::max(early, std::abs(samples[i]));
    EXPECT_GT(early, 0.1);
    const QByteArray file = MakeSoundFile(s);
    const auto c = Chunks(file);
    const auto data = std::find_if(c.begin(), c.end(), [](const Chunk& k) { return k.id == "data"; });
    ASSERT_NE(data, c.end());
    EXPECT_EQ(data->size, static_cast<std::uint32_t>(s.dataBytes));
    // The catalogued format and layout reach the file.
    ASSERT_EQ(c[0].id, "fmt ");
    EXPECT_EQ(c[0].size, s.layout == res::WaveLayout::Extended ? 18u : 16u);
    EXPECT_EQ(U16(file, c[0].payload + 2), static_cast<std::uint32_t>(s.channels));
    EXPECT_EQ(U32(file, c[0].payload + 4), static_cast<std::uint32_t>(s.sampleRate));
    EXPECT_EQ(U16(file, c[0].payload + 14), static_cast<std::uint32_t>(s.bitsPerSample));
    EXPECT_EQ(c.size(), s.layout == res::WaveLayout::Extended ? 4u : 2u) << "fact and LIST only when extended";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SoundTest, ::testing::ValuesIn(res::AllSounds().begin(), res::AllSounds().end()),
                         [](const auto& info) { return std::string(info.param.name); });

// --- tile strips ------------------------------------------------------------

// Every number a tile can show, 0 to 20, sits in exactly one frame of the
// strips of its world and kind; the high strips carry on at 15.
TEST(TileStrips, EveryNumberHasExactlyOneFrameOfItsWorldAndKind) {
    const int kHighestNumber = 20;
    for (World world : {World::Grass, World::Sand}) {
        for (Uncovered kind : {Uncovered::Empty, Uncovered::Found}) {
            for (int number = 0; number <= kHighestNumber; ++number) {
                int holders = 0;
                for (const NumberStrip& strip : NumberStrips()) {
                    if (strip.world != world || strip.kind != kind) continue;
                    const int frame = number - FirstNumber(strip);
                    if (frame < 0 || frame >= Picture(strip.id).frameCount) continue;
                    ++holders;
                    const StripFrame at = NumberFrame(world, kind, number);
                    EXPECT_EQ(at.id, strip.id) << number;
                    EXPECT_EQ(at.frame, frame) << number;
                }
                EXPECT_EQ(holders, 1) << "number " << number;
            }
            EXPECT_EQ(NumberFrame(world, kind, kHighestNumber + 1).id, kNoStrip);
        }
    }
    const StripFrame fifteen = NumberFrame(World::Sand, Uncovered::Found, 15);
    EXPECT_EQ(fifteen.id, res::IDB_SAND_FOUND_HIGH);
    EXPECT_EQ(fifteen.frame, 0);
    EXPECT_EQ(NumberFrame(World::Grass, Uncovered::Empty, 14).id, res::IDB_GRASS_EMPTY);
    EXPECT_EQ(CoveredStripId(World::Grass), res::IDB_GRASS_COVERED);
    EXPECT_EQ(CoveredStripId(World::Sand), res::IDB_SAND_COVERED);
}

// --- icon -----------------------------------------------------------------

TEST(IcoWriter, SixteenColourImagesWithMasks) {
    QImage big(32, 32, QImage::Format_ARGB32), small(16, 16, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    small.fill(qRgb(10, 200, 30));
    for (int i = 0; i < 32; ++i) big.setPixel(i, i, qRgb(250, 20, 20));
    const QByteArray b = EncodeIco16Colours({big, small});
    EXPECT_EQ(U16(b, 0), 0u);
    EXPECT_EQ(U16(b, 2), 1u) << "icon";
    ASSERT_EQ(U16(b, 4), 2u);
    const int sizes[] = {32, 16};
    std::uint32_t expectOffset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const qsizetype e = 6 + 16 * i;
        const int s = sizes[i];
        EXPECT_EQ(static_cast<std::uint8_t>(b[e]), s);
        EXPECT_EQ(static_cast<std::uint8_t>(b[e + 1]), s);
        EXPECT_EQ(static_cast<std::uint8_t>(b[e + 2]), 16) << "colours";
        EXPECT_EQ(U16(b, e + 4), 1u);
        EXPECT_EQ(U16(b, e + 6), 4u);
        const std::uint32_t bytes = 40 + 16 * 4 + BmpRowStride(s, 4) * s + BmpRowStride(s, 1) * s;
        EXPECT_EQ(U32(b, e + 8), bytes);
        EXPECT_EQ(U32(b, e + 12), expectOffset);
        const qsizetype h = expectOffset;
        EXPECT_EQ(U32(b, h), 40u);
        EXPECT_EQ(S32(b, h + 8), 2 * s) << "colour and mask rows";
        EXPECT_EQ(U16(b, h + 14), 4u);
        expectOffset += bytes;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(b.size()), expectOffset);
    // The big image's mask: the top row (stored last) is opaque only at x = 0.
    const qsizetype mask = 6 + 32 + 40 + 64 + 16 * 32;
    const qsizetype topRow = mask + qsizetype{4} * 31;
    EXPECT_EQ(static_cast<std::uint8_t>(b[topRow]), 0x7F);
    EXPECT_EQ(static_cast<std::uint8_t>(b[topRow + 1]), 0xFF);
    if (QImageReader::supportedImageFormats().contains("ico")) {
        QByteArray copy = b;
        QBuffer buffer(&copy);
        QImageReader reader(&buffer, "ICO");
        EXPECT_EQ(reader.imageCount(), 2);
        const QImage first = reader.read();
        EXPECT_EQ(first.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(first.pixel(1, 0)), 0);
        EXPECT_EQ(first.pixel(5, 5), qRgb(250, 20, 20));
    }
}

// --- the whole set ----------------------------------------------------------

// The set as the generator program wrote it at build time, so that the whole
// set is drawn once per build rather than once per test.
class GeneratedAssets : public ::testing::Test {
protected:
    static const std::map<QString, QByteArray>& Files() {
        static const std::map<QString, QByteArray> files = ReadGeneratedFolder();
        return files;
    }
    static QByteArray File(const QString& path) {
        const auto file = Files().find(path);
        return file == Files().end() ? QByteArray() : file->second;
    }
};

// The generator run in this process writes what the program wrote at build
// time: the same paths, each once, with the same bytes.
TEST_F(GeneratedAssets, ASecondRunWritesTheSameBytes) {
    const auto fonts = FontSet::Load(QString::fromLatin1(kDefaultFontDir));
    ASSERT_TRUE(fonts.has_value()) << "the DejaVu fonts (fonts-dejavu-core) are needed";
    const std::map<QString, QByteArray>& first = Files();
    const std::vector<GeneratedFile> second = GenerateAssets(*fonts);
    std::set<QString> paths;
    for (const GeneratedFile& f : second) {
        EXPECT_TRUE(paths.insert(f.path).second) << f.path.toStdString() << " written twice";
        const auto written = first.find(f.path);
        if (written == first.end()) {
            ADD_FAILURE() << f.path.toStdString() << " missing from the build's run";
            continue;
        }
        EXPECT_TRUE(f.bytes == written->second) << f.path.toStdString() << " differs";
    }
    EXPECT_EQ(paths.size(), first.size());
}

TEST_F(GeneratedAssets, EveryCataloguedFileWithItsSizeAndDepth) {
    std::set<QString> paths;
    for (const auto& [path, bytes] : Files()) paths.insert(path);
    const std::size_t pictureFiles = res::AllPictures().size() * (1 + std::size(res::kFinerScales));
    const std::size_t iconFiles = 1 + std::size(res::kIconPngSizes) + 1;  // .ico, the PNGs, .svg
    EXPECT_EQ(paths.size(), pictureFiles + res::AllSounds().size() + iconFiles);
    for (const res::PictureInfo& picture : res::AllPictures()) {
        const QByteArray b = File(QStringLiteral("bitmaps/%1.bmp").arg(picture.id));
        ASSERT_FALSE(b.isEmpty()) << picture.id;
        const BmpFields f = ReadBmp(b);
        EXPECT_EQ(f.width, picture.width) << picture.id;
        EXPECT_EQ(f.height, picture.height) << picture.id;
        EXPECT_EQ(static_cast<int>(f.bits), picture.bitsPerPixel) << picture.id;
        EXPECT_EQ(f.pixelOffset, picture.bitsPerPixel == 8 ? 1078u : 54u) << picture.id;
    }
    for (const res::SoundInfo& sound : res::AllSounds())
        EXPECT_FALSE(File(QStringLiteral("sounds/%1.wav").arg(SoundName(sound))).isEmpty()) << sound.name;
    for (int size : res::kIconPngSizes) {
        const QImage png = Decode(File(QStringLiteral("icons/glimbles-%1.png").arg(size)), "PNG");
        EXPECT_EQ(png.size(), QSize(size, size));
        EXPECT_TRUE(png.hasAlphaChannel());
    }
}

// Every number frame must differ from the others, also after the shrink to
// the Huge board's 23 pixels: a missing or clipped number shows up here.
TEST_F(GeneratedAssets, NumberFramesStayDistinctAtTwentyThreePixels) {
    const int strips[][2] = {{res::IDB_GRASS_EMPTY, res::IDB_GRASS_EMPTY_HIGH},
                             {res::IDB_GRASS_FOUND, res::IDB_GRASS_FOUND_HIGH},
                             {res::IDB_SAND_EMPTY, res::IDB_SAND_EMPTY_HIGH},
                             {res::IDB_SAND_FOUND, res::IDB_SAND_FOUND_HIGH}};
    for (const auto& pair : strips) {
        std::vector<QImage> frames;
        for (int id : pair) {
            const QImage strip = Decode(File(QStringLiteral("bitmaps/%1.bmp").arg(id)), "BMP");
            const res::PictureInfo& picture = *res::FindPicture(id);
            for (int k = 0; k < picture.frameCount; ++k)
                frames.push_back(strip.copy(FrameRect(picture, k))
                                     .scaled(23, 23, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     .convertToFormat(QImage::Format_RGB32));
        }
        ASSERT_EQ(frames.size(), 21u) << "numbers 0 to 20 of strip " << pair[0];
        for (std::size_t a = 0; a < frames.size(); ++a)
            for (std::size_t b = a + 1; b < frames.size(); ++b) {
                int differing = 0;
                for (int y = 0; y < 23; ++y)
                    for (int x = 0; x < 23; ++x) differing += frames[a].pixel(x, y) != frames[b].pixel(x, y);
                EXPECT_GT(differing, 12) << "strip " << pair[0] << ": " << a << " and " << b << " look alike";
            }
    }
}

// Mean absolute difference of two equal-sized images, over the colour
// channels of every pixel (0 to 255).
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

// Share of pixels where some colour channel differs by more than `tolerance`.
double ShareDiffering(const QImage& a, const QImage& b, int tolerance) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q))}) > tolerance;
        }
    return static_cast<double>(differing) / (x.width() * x.height());
}

// Every picture at every finer scale: its exact size, opaque, the same
// picture as its bitmap (shrunk back it matches, where one pixel's shift
// already differs by 7 or more) and drawn finer, not the bitmap's pixels
// enlarged (those differ from the bitmap's doubling by 16 nowhere).
TEST_F(GeneratedAssets, FinerPicturesAreTheSamePicturesDrawnFiner) {
    const double kMostMeanDifference = 2.0;  // measured: up to 0.93, on the status tip at 3x
    const double kLeastFinerShare = 0.03;    // measured: 5% and more
    for (int scale : res::kFinerScales) {
        for (const res::PictureInfo& picture : res::AllPictures()) {
            const QImage finer = Decode(File(FinerPicturePath(picture.id, scale)), "PNG");
            ASSERT_FALSE(finer.isNull()) << picture.id << " at " << scale << "x";
            EXPECT_EQ(finer.size(), QSize(picture.width * scale, picture.height * scale)) << picture.id;
            EXPECT_FALSE(finer.hasAlphaChannel()) << picture.id << " at " << scale << "x";
            const QImage bmp = Decode(File(QStringLiteral("bitmaps/%1.bmp").arg(picture.id)), "BMP");
            const QImage shrunk = finer.scaled(bmp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(MeanDifference(shrunk, bmp), kMostMeanDifference) << picture.id << " at " << scale << "x";
            // The panel is bands of whole pixel rows, so finer it is the same rows.
            if (picture.id == res::IDB_STATUS_PANEL) continue;
            const QImage doubled = bmp.scaled(finer.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            EXPECT_GT(ShareDiffering(finer, doubled, 16), kLeastFinerShare) << picture.id << " at " << scale << "x";
        }
    }
}

// The scalable icon is well-formed SVG with a square viewBox and draws like
// the largest rendering (measured: 0.11 apart; the flat 16-colour look is 25).
TEST_F(GeneratedAssets, ScalableIconDrawsLikeTheLargestRendering) {
    const QByteArray svg = File(QStringLiteral("icons/glimbles.svg"));
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 256, 256));
    const QImage png = Decode(File(QStringLiteral("icons/glimbles-256.png")), "PNG");
    QImage drawn(png.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter p(&drawn);
        renderer.render(&p);
    }
    // Both over the same grey, so the transparent surroundings count too.
    auto overGrey = [](const QImage& image) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(qRgb(128, 128, 128));
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        return flat;
    };
    EXPECT_LT(MeanDifference(overGrey(drawn), overGrey(png)), 1.0);
}

}  // namespace
