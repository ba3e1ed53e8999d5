#include "SoundOnsets.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "PulseRig.h"
#include "platform/pulse/WaveFile.h"

namespace pulse_rig {
namespace {

// Below this mean power a stretch of the recording is taken as silence: far
// under the quietest opening of any sound.
constexpr double kSilentPower = 1e-6;

}  // namespace

std::vector<float> Opening(std::string_view name, double seconds) {
    QFile file(
        QStringLiteral(":/sounds/%1.wav").arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const auto wave =
        platform::pulse::ReadWave(std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    if (!wave || wave->format.bitsPerSample != 16 || wave->format.sampleRate != kRecordRate) return {};

    const auto channels = static_cast<std::size_t>(wave->format.channels);
    const std::size_t frames = wave->data.size() / (2 * channels);
    const std::size_t wanted = std::min(frames, static_cast<std::size_t>(seconds * kRecordRate));
    std::vector<float> mono(wanted);
    for (std::size_t frame = 0; frame < wanted; ++frame) {
        float sum = 0;
        for (std::size_t c = 0; c < channels; ++c) {
            const std::size_t at = (frame * channels + c) * 2;
            const auto bits = static_cast<std::uint16_t>(std::to_integer<unsigned>(wave->data[at]) |
                                                         (std::to_integer<unsigned>(wave->data[at + 1]) << 8));
            sum += static_cast<float>(static_cast<std::int16_t>(bits)) / 32768.0F;
        }
        mono[frame] = sum / static_cast<float>(channels);
    }
    return mono;
}

std::vector<Onset> FindOnsets(std::span<const float> recording, const std::vector<std::vector<float>>& patterns,
                              float threshold, std::size_t separation) {
    std::size_t length = 0;
    for (const auto& p : patterns) length = std::max(length, p.size());
    if (length == 0 || recording.size() < length) return {};

    // Running energy of the recording, for the windows' norms.
    std::vector<double> energy(recording.size() + 1, 0.0);
    for (std::size_t i = 0; i < recording.size(); ++i) {
        energy[i + 1] = energy[i] + static_cast<double>(recording[i]) * recording[i];
    }
    std::vector<double> norms;
    norms.reserve(patterns.size());
    for (const auto& p : patterns) norms.push_back(std::sqrt(std::inner_product(p.begin(), p.end(), p.begin(), 0.0)));

    std::vector<Onset> candidates;
    const std::size_t lags = recording.size() - length + 1;
    for (std::size_t lag = 0; lag < lags; ++lag) {
        Onset best{lag, -1, threshold};
        for (std::size_t k = 0; k < patterns.size(); ++k) {
            const auto& p = patterns[k];
            const double window = energy[lag + p.size()] - energy[lag];
            if (p.empty() || window < kSilentPower * static_cast<double>(p.size())) continue;
            float dot = 0;
            for (std::size_t i = 0; i < p.size(); ++i) dot += recording[lag + i] * p[i];
            const auto score = static_cast<float>(dot / (std::sqrt(window) * norms[k]));
            if (score >= best.score) best = {lag, static_cast<int>(k), score};
        }
        if (best.pattern >= 0) candidates.push_back(best);
    }

    // The best match first; any weaker one too close to a kept one goes.
    std::sort(candidates.begin(), candidates.end(), [](const Onset& a, const Onset& b) { return a.score > b.score; });
    std::vector<Onset> kept;
    for (const Onset& c : candidates) {
        const bool near = std::any_of(kept.begin(), kept.end(), [&](const Onset& k) {
            return (c.sample > k.sample ? c.sample - k.sample : k.sample - c.sample) < separation;
        });
        if (!near) kept.push_back(c);
    }
    std::sort(kept.begin(), kept.end(), [](const Onset& a, const Onset& b) { return a.sample < b.sample; });
    return kept;
}

}  // namespace pulse_rig
