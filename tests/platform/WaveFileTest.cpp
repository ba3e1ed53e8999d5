// The WAVE reader: the embedded sounds as the catalogue describes them, and
// made-up files with the layouts a reader must take or refuse.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/pulse/WaveFile.h"
#include "resources/Sounds.h"
#include "tests/TestNames.h"

// Names a sound in test output.
namespace res {
void PrintTo(const SoundInfo& sound, std::ostream* os) { *os << "sound " << sound.name; }
}  // namespace res

namespace {

using platform::pulse::ReadWave;
using platform::pulse::WaveFormat;

std::span<const std::byte> Bytes(const std::string& bytes) {
    return std::as_bytes(std::span(bytes.data(), bytes.size()));
}

std::string U16(unsigned value) { return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)}; }
std::string U32(std::uint32_t value) { return U16(value & 0xFFFF) + U16(value >> 16); }

std::string Chunk(const std::string& id, const std::string& body) {
    return id + U32(static_cast<std::uint32_t>(body.size())) + body +
           (body.size() % 2 == 1 ? std::string(1, '\0') : "");
}

std::string Format(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits, unsigned blockAlign) {
    return U16(tag) + U16(channels) + U32(rate) + U32(rate * blockAlign) + U16(blockAlign) + U16(bits);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + U32(static_cast<std::uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}

const std::string kPcm16Stereo = Format(1, 2, 22050, 16, 4);
const std::string kSamples = "abcdefgh";  // two stereo 16-bit frames

struct Case {
    const char* what;
    std::string file;
    std::optional<WaveFormat> format;  // nothing: refused
    std::string samples;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

class WaveFileCases : public ::testing::TestWithParam<Case> {};

TEST_P(WaveFileCases, ReadsOrRefuses) {
    const Case& c = GetParam();
    const auto wave = ReadWave(Bytes(c.file));
    ASSERT_EQ(wave.has_value(), c.format.has_value());
    if (!wave) return;
    EXPECT_EQ(wave->format, *c.format);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(wave->data.data()), wave->data.size()), c.samples);
}

const WaveFormat kStereo{2, 22050, 16};

INSTANTIATE_TEST_SUITE_P(
    Layouts, WaveFileCases,
    ::testing::Values(
        Case{"plain", Riff(Chunk("fmt ", kPcm16Stereo) + Chunk("data", kSamples)), kStereo, kSamples},
        Case{"extended format, fact before and LIST after the samples",
             Riff(Chunk("fmt ", kPcm16Stereo + U16(0)) + Chunk("fact", U32(2)) + Chunk("data", kSamples) +
                  Chunk("LIST", "INFO" + Chunk("ISFT", "abc"))),
             kStereo, kSamples},
        Case{"odd chunk padded before the samples",
             Riff(Chunk("fmt ", kPcm16Stereo) + Chunk("junk", "xyz") + Chunk("data", kSamples)), kStereo, kSamples},
        Case{"samples before the format", Riff(Chunk("data", kSamples) + Chunk("fmt ", kPcm16Stereo)), kStereo,
             kSamples},
        Case{"8-bit mono, odd length", Riff(Chunk("fmt ", Format(1, 1, 11025, 8, 1)) + Chunk("data", "\x80\x81\x7F")),
             WaveFormat{1, 11025, 8}, "\x80\x81\x7F"},
        Case{"a partial frame at the end is left out",
             Riff(Chunk("fmt ", kPcm16Stereo) + Chunk("data", kSamples + "ij")), kStereo, kSamples},
        Case{"bytes after the RIFF form are not read",
             Riff(Chunk("fmt ", kPcm16Stereo) + Chunk("data", kSamples)) + "trailing", kStereo, kSamples},
        Case{"no samples", Riff(Chunk("fmt ", kPcm16Stereo)), std::nullopt, ""},
        Case{"no format", Riff(Chunk("data", kSamples)), std::nullopt, ""},
        Case{"two formats", Riff(Chunk("fmt ", kPcm16Stereo) + Chunk("fmt ", kPcm16Stereo) + Chunk("data", kSamples)),
             std::nullopt, ""},
        Case{"floating-point samples", Riff(Chunk("fmt ", Format(3, 2, 22050, 32, 8)) + Chunk("data", kSamples)),
             std::nullopt, ""},
        Case{"24-bit samples", Riff(Chunk("fmt ", Format(1, 2, 22050, 24, 6)) + Chunk("data", kSamples)), std::nullopt,
             ""},
        Case{"frame size disagrees", Riff(Chunk("fmt ", Format(1, 2, 22050, 16, 2)) + Chunk("data", kSamples)),
             std::nullopt, ""},
        Case{"short format", Riff(Chunk("fmt ", kPcm16Stereo.substr(0, 14)) + Chunk("data", kSamples)), std::nullopt,
             ""},
        Case{"chunk runs past the end", Riff(Chunk("fmt ", kPcm16Stereo) + "data" + U32(100) + kSamples), std::nullopt,
             ""},
        Case{"RIFF size past the end", Riff(Chunk("fmt ", kPcm16Stereo) + Chunk("data", kSamples)).substr(0, 40),
             std::nullopt, ""},
        Case{"not WAVE", "RIFF" + U32(4) + "AVI ", std::nullopt, ""}, Case{"too short", "RIFF", std::nullopt, ""}),
    [](const ::testing::TestParamInfo<Case>& info) { return testnames::TestName(info.param.what); });

// Each embedded sound reads as the catalogue has it.
class EmbeddedWave : public ::testing::TestWithParam<res::SoundInfo> {};

TEST_P(EmbeddedWave, MatchesTheCatalogue) {
    const res::SoundInfo& sound = GetParam();
    QFile file(QStringLiteral(":/sounds/%1.wav")
                   .arg(QString::fromUtf8(sound.name.data(), static_cast<qsizetype>(sound.name.size()))));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto wave = ReadWave(std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->format, (WaveFormat{sound.channels, sound.sampleRate, sound.bitsPerSample}));
    EXPECT_EQ(wave->data.size(), static_cast<std::size_t>(sound.dataBytes));
}

INSTANTIATE_TEST_SUITE_P(Sounds, EmbeddedWave, ::testing::ValuesIn(res::AllSounds().begin(), res::AllSounds().end()),
                         [](const ::testing::TestParamInfo<res::SoundInfo>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
