#include "tools/assetgen/WavWriter.h"

#include "tools/assetgen/LittleEndian.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assetgen {
namespace {

constexpr int kFactSize = 4;
const char* const kSoftwareName = "glimbles-assetgen";

// A chunk: four-character id, little-endian size, body, a pad byte when odd.
void PutChunk(QByteArray& out, const char* id, const QByteArray& body) {
    out.append(id, 4);
    PutU32(out, static_cast<std::uint32_t>(body.size()));
    out.append(body);
    if (body.size() % 2 != 0) out.append('\0');
}

QByteArray InfoText(const QString& text) {
    QByteArray body = text.toLatin1();
    body.append('\0');
    return body;
}

}  // namespace

QByteArray PcmBytes(const std::vector<double>& samples, int bitsPerSample) {
    QByteArray out;
    for (double s : samples) {
        const double v = std::clamp(s, -1.0, 1.0);
        if (bitsPerSample == 8) {
            out.append(static_cast<char>(std::clamp(static_cast<int>(std::lround(128.0 + v * 127.0)), 0, 255)));
        } else {
            const long q = std::clamp(std::lround(v * 32767.0), -32768L, 32767L);
            PutU16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q))));
        }
    }
    return out;
}

QByteArray EncodeWav(const res::SoundInfo& sound, const QByteArray& pcm, const QString& comment) {
    const int blockAlign = sound.BlockAlign();
    const bool extended = sound.layout == res::WaveLayout::Extended;
    QByteArray fmt;
    PutU16(fmt, kWavPcmFormatTag);
    PutU16(fmt, static_cast<std::uint32_t>(sound.channels));
    PutU32(fmt, static_cast<std::uint32_t>(sound.sampleRate));
    PutU32(fmt, static_cast<std::uint32_t>(sound.sampleRate * blockAlign));
    PutU16(fmt, static_cast<std::uint32_t>(blockAlign));
    PutU16(fmt, static_cast<std::uint32_t>(sound.bitsPerSample));
    if (extended) PutU16(fmt, 0);  // no extra format bytes
    Q_ASSERT(fmt.size() == sound.FormatChunkBytes());

    QByteArray body("WAVE");
    PutChunk(body, "fmt ", fmt);
    if (extended) {
        QByteArray fact;
        PutU32(fact, static_cast<std::uint32_t>(pcm.size() / blockAlign));
        Q_ASSERT(fact.size() == kFactSize);
        PutChunk(body, "fact", fact);
    }
    PutChunk(body, "data", pcm);
    if (extended) {
        QByteArray info("INFO");
        PutChunk(info, "ISFT", InfoText(QString::fromLatin1(kSoftwareName)));
        PutChunk(info, "ICMT", InfoText(comment));
        PutChunk(body, "LIST", info);
    }
    QByteArray out;
    PutChunk(out, "RIFF", body);
    return out;
}

}  // namespace assetgen
