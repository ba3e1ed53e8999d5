// Every embedded sound, read chunk by chunk, against its catalogue row, and
// decoded with Qt Multimedia.
#include <gtest/gtest.h>

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QBuffer>
#include <QEventLoop>
#include <QResource>
#include <QTimer>
#include <cmath>
#include <string>
#include <vector>

#include "EmbeddedFile.h"
#include "FileFormats.h"
#include "platform/qt/pictures/EmbeddedFiles.h"
#include "platform/qt/pictures/ResourceFiles.h"
#include "resources/Sounds.h"

// Names a sound in test output.
namespace res {
void PrintTo(const SoundInfo& sound, std::ostream* os) { *os << "sound " << sound.name; }
}  // namespace res

namespace {

using platform::qt::EmbeddedFiles;
using platform::qt::WavePath;

constexpr std::uint16_t kPcm = 1;

class SoundFileTest : public ::testing::TestWithParam<res::SoundInfo> {
protected:
    void SetUp() override {
        // Debian's default media backend needs GStreamer plugins that a build
        // machine need not have; the FFmpeg backend ships with Qt Multimedia.
        // The choice holds from the first decoder on, so make it first.
        if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
        const auto bytes = testapp::ReadEmbedded(WavePath(GetParam().name));
        ASSERT_TRUE(bytes.has_value()) << "missing sound " << WavePath(GetParam().name).toStdString();
        file = *bytes;
        const auto parsed = filefmt::ReadWaveChunks(file);
        ASSERT_TRUE(parsed.has_value()) << "not a well-formed RIFF WAVE file";
        chunks = *parsed;
    }

    const filefmt::Chunk* Find(const std::string& id) const {
        for (const auto& c : chunks) {
            if (c.id == id) return &c;
        }
        return nullptr;
    }

    // Every sample of every channel, scaled to -1 .. 1.
    std::vector<double> Samples() const {
        const filefmt::Chunk* data = Find("data");
        std::vector<double> out;
        if (data == nullptr) return out;
        const bool eightBit = GetParam().bitsPerSample == 8;
        const qsizetype step = eightBit ? 1 : 2;
        for (qsizetype at = data->payload; at + step <= data->payload + data->size; at += step) {
            if (eightBit) {
                out.push_back((static_cast<std::uint8_t>(file[at]) - 128) / 128.0);
            } else {
                out.push_back(static_cast<std::int16_t>(filefmt::U16(file, at)) / 32768.0);
            }
        }
        return out;
    }

    QByteArray file;
    std::vector<filefmt::Chunk> chunks;
};

TEST_P(SoundFileTest, ChunksComeInTheCataloguedOrder) {
    std::vector<std::string> ids;
    for (const auto& c : chunks) ids.push_back(c.id);
    const std::vector<std::string> want = GetParam().layout == res::WaveLayout::Extended
                                              ? std::vector<std::string>{"fmt ", "fact", "data", "LIST"}
                                              : std::vector<std::string>{"fmt ", "data"};
    EXPECT_EQ(ids, want);
}

TEST_P(SoundFileTest, FormatChunkMatchesTheCatalogue) {
    const res::SoundInfo& s = GetParam();
    const filefmt::Chunk* fmt = Find("fmt ");
    ASSERT_NE(fmt, nullptr);
    EXPECT_EQ(fmt->size, static_cast<std::uint32_t>(s.FormatChunkBytes()));
    const qsizetype at = fmt->payload;
    EXPECT_EQ(filefmt::U16(file, at), kPcm) << "uncompressed PCM";
    EXPECT_EQ(filefmt::U16(file, at + 2), s.channels);
    EXPECT_EQ(filefmt::U32(file, at + 4), static_cast<std::uint32_t>(s.sampleRate));
    EXPECT_EQ(filefmt::U32(file, at + 8), static_cast<std::uint32_t>(s.sampleRate * s.BlockAlign())) << "byte rate";
    EXPECT_EQ(filefmt::U16(file, at + 12), s.BlockAlign());
    EXPECT_EQ(filefmt::U16(file, at + 14), s.bitsPerSample);
    if (s.layout == res::WaveLayout::Extended) {
        EXPECT_EQ(filefmt::U16(file, at + 16), 0) << "no extra format bytes";
    }
}

TEST_P(SoundFileTest, DataHoldsExactlyTheCataloguedBytes) {
    const res::SoundInfo& s = GetParam();
    const filefmt::Chunk* data = Find("data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->size, static_cast<std::uint32_t>(s.dataBytes));
    if (s.layout == res::WaveLayout::Extended) {
        const filefmt::Chunk* fact = Find("fact");
        ASSERT_NE(fact, nullptr);
        EXPECT_EQ(fact->size, 4u);
        EXPECT_EQ(filefmt::U32(file, fact->payload), static_cast<std::uint32_t>(s.dataBytes / s.BlockAlign()))
            << "sample frames";
    }
}

TEST_P(SoundFileTest, SamplesNeitherClipNorClickAtTheEnds) {
    const std::vector<double> samples = Samples();
    ASSERT_FALSE(samples.empty());
    double peak = 0;
    for (const double v : samples) peak = std::max(peak, std::abs(v));
    const double peakDb = 20 * std::log10(peak);
    EXPECT_LT(peak, 0.999) << "clipped";
    EXPECT_GT(peakDb, -6.0) << "too quiet: peak " << peakDb << " dBFS";
    EXPECT_LT(peakDb, -1.0) << "too loud: peak " << peakDb << " dBFS";
    // Faded in and out: the first and last frames are (nearly) silent.
    const std::size_t edge = static_cast<std::size_t>(GetParam().channels) * 2;
    constexpr double kSilence = 0.02;
    for (std::size_t i = 0; i < edge; ++i) {
        EXPECT_LT(std::abs(samples[i]), kSilence) << "starts with a click";
        EXPECT_LT(std::abs(samples[samples.size() - 1 - i]), kSilence) << "ends with a click";
    }
}

TEST_P(SoundFileTest, LookupLendsTheEmbeddedBytes) {
    const QByteArray wave = EmbeddedFiles::Instance().Wave(GetParam().name);
    EXPECT_EQ(wave, file);
    const QResource resource(WavePath(GetParam().name));
    EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression) << "stored compressed, so every lookup copies";
    EXPECT_EQ(static_cast<const void*>(wave.constData()), static_cast<const void*>(resource.data())) << "copied";
}

// What Qt Multimedia made of a sound.
struct Decoded {
    bool supported = true;
    QString error;
    qint64 frames = 0;
    int channels = 0;
    int sampleRate = 0;
    bool finished = false;
};

Decoded DecodeWithQt(const QByteArray& bytes) {
    Decoded result;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QAudioDecoder decoder;
    if (!decoder.isSupported()) {
        result.supported = false;
        return result;
    }
    QEventLoop loop;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, [&] {
        const QAudioBuffer b = decoder.read();
        result.frames += b.frameCount();
        result.channels = b.format().channelCount();
        result.sampleRate = b.format().sampleRate();
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, [&] {
        result.finished = true;
        loop.quit();
    });
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), [&](QAudioDecoder::Error) {
        result.error = decoder.errorString();
        loop.quit();
    });
    // A guard against a decoder that never answers, not a measurement.
    QTimer::singleShot(30000, &loop, [&] {
        result.error = QStringLiteral("no answer from the decoder");
        loop.quit();
    });
    decoder.setSourceDevice(&buffer);
    decoder.start();
    loop.exec();
    decoder.stop();
    return result;
}

TEST_P(SoundFileTest, DecodesWithQtMultimedia) {
    const res::SoundInfo& s = GetParam();
    const Decoded d = DecodeWithQt(EmbeddedFiles::Instance().Wave(s.name));
    if (!d.supported) GTEST_SKIP() << "Qt Multimedia offers no audio decoder on this machine";
    if (d.error.contains(QStringLiteral("Playbin"))) {
        GTEST_SKIP() << "the media backend cannot build a decoding pipeline here: " << d.error.toStdString();
    }
    ASSERT_TRUE(d.finished) << d.error.toStdString();
    EXPECT_EQ(d.channels, s.channels);
    EXPECT_EQ(d.sampleRate, s.sampleRate);
    EXPECT_EQ(d.frames, s.dataBytes / s.BlockAlign());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SoundFileTest,
                         ::testing::ValuesIn(res::AllSounds().begin(), res::AllSounds().end()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
