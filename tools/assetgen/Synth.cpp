#include "tools/assetgen/Synth.h"

#include "tools/assetgen/Prng.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kAttackSeconds = 0.004;  // every note opens this fast
constexpr double kBandLimit = 0.45;       // partials above this share of the rate are left out

struct Partial {
    double ratio;  // of the fundamental
    double amp;
    double decay;  // per second; 0 for a sustained partial
};

struct Voice {
    std::vector<Partial> partials;
    bool sustained;  // holds until released, otherwise rings out
};

Voice VoiceOf(Timbre t) {
    switch (t) {
        case Timbre::Bell:
            return {{{1.0, 1.0, 4.5}, {2.0, 0.45, 7}, {3.0, 0.22, 11}, {4.17, 0.12, 16}, {5.43, 0.06, 24}}, false};
        case Timbre::Glock: return {{{1.0, 1.0, 5.5}, {2.76, 0.28, 14}, {5.40, 0.08, 30}}, false};
        case Timbre::Marimba: return {{{1.0, 1.0, 7}, {3.93, 0.3, 28}, {9.2, 0.06, 60}}, false};
        case Timbre::Brass: {
            Voice v{{}, true};
            for (int k = 1; k <= 10; ++k) v.partials.push_back({double(k), 1.0 / std::pow(k, 1.1), 0});
            return v;
        }
        case Timbre::Pluck: return {{{1.0, 1.0, 3.5}, {2.0, 0.45, 6}, {3.0, 0.18, 9}, {4.0, 0.07, 12}}, false};
    }
    return {{}, false};
}

// Brass opens from dull to bright: the weight of harmonic k at time t.
double BrassBrightness(int k, double t) {
    const double open = std::min(1.0, t / 0.05);
    return std::pow(0.55 + 0.45 * open, k - 1);
}

}  // namespace

double NoteHz(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

Mixdown::Mixdown(int sampleRate, int frames, int channels)
    : m_rate(sampleRate), m_frames(frames), m_channels(channels),
      m_mix(static_cast<std::size_t>(frames) * channels, 0.0) {}

void Mixdown::Mix(int frame, double value, double pan) {
    const std::size_t base = static_cast<std::size_t>(frame) * m_channels;
    if (m_channels == 1) {
        m_mix[base] += value;
        return;
    }
    // Constant-power panning.
    const double angle = (pan + 1) * std::numbers::pi / 4;
    m_mix[base] += value * std::cos(angle);
    m_mix[base + 1] += value * std::sin(angle);
}

void Mixdown::Add(const Tone& tone) {
    const Voice voice = VoiceOf(tone.timbre);
    const int first = static_cast<int>(std::lround(tone.start * m_rate));
    const double vibratoDepth = tone.timbre == Timbre::Brass ? 0.004 : 0.0;
    for (int n = std::max(0, first); n < m_frames; ++n) {
        const double t = double(n - first) / m_rate;
        double env = std::min(1.0, t / kAttackSeconds);
        if (voice.sustained) {
            if (t > tone.length) {
                const double r = (t - tone.length) / tone.release;
                if (r >= 1) break;
                env *= 0.5 * (1 + std::cos(std::numbers::pi * r));
            }
        } else if (t > tone.length + 1.5) {
            break;  // rung out
        }
        const double vibrato = 1 + vibratoDepth * std::min(1.0, t / 0.3) * std::sin(kTwoPi * 5.5 * t);
        double v = 0;
        for (std::size_t k = 0; k < voice.partials.size(); ++k) {
            const Partial& p = voice.partials[k];
            const double f = tone.frequency * p.ratio;
            if (f > kBandLimit * m_rate) continue;
            double a = p.amp * std::exp(-p.decay * t);
            if (tone.timbre == Timbre::Brass) a *= BrassBrightness(int(k) + 1, t);
            v += a * std::sin(kTwoPi * f * t * vibrato);
        }
        Mix(n, tone.gain * env * v, tone.pan);
    }
}

void Mixdown::AddClick(double start, double fromHz, double toHz, double gain, unsigned long long seed) {
    Prng noise(seed);
    const int first = static_cast<int>(std::lround(start * m_rate));
    const double sweepSeconds = 0.02;
    const double tauTone = 0.018;
    const double tauNoise = 0.004;
    double phase = 0;
    double smooth = 0;
    const double smoothing = 0.25;  // one-pole low-pass on the noise: a soft puff, not a hiss
    for (int n = std::max(0, first); n < m_frames; ++n) {
        const double t = double(n - first) / m_rate;
        if (t > 0.25) break;
        const double sweep = std::min(1.0, t / sweepSeconds);
        const double f = fromHz * std::pow(toHz / fromHz, sweep);
        phase += kTwoPi * f / m_rate;
        const double attack = std::min(1.0, t / 0.0015);
        smooth += smoothing * (noise.Range(-1, 1) - smooth);
        const double v = attack * (std::sin(phase) * std::exp(-t / tauTone) + 0.6 * smooth * std::exp(-t / tauNoise) +
                                   0.35 * std::sin(kTwoPi * 0.5 * toHz * t) * std::exp(-t / (2 * tauTone)));
        Mix(n, gain * v, 0);
    }
}

std::vector<double> Mixdown::Finish(double peakDb, double fadeInSeconds, double fadeOutSeconds) const {
    std::vector<double> out = m_mix;
    const int fadeIn = std::max(1, static_cast<int>(fadeInSeconds * m_rate));
    const int fadeOut = std::max(1, static_cast<int>(fadeOutSeconds * m_rate));
    for (int n = 0; n < m_frames; ++n) {
        double g = 1;
        if (n < fadeIn) g *= 0.5 * (1 - std::cos(std::numbers::pi * n / fadeIn));
        const int fromEnd = m_frames - 1 - n;
        if (fromEnd < fadeOut) g *= 0.5 * (1 - std::cos(std::numbers::pi * fromEnd / fadeOut));
        for (int c = 0; c < m_channels; ++c) out[static_cast<std::size_t>(n) * m_channels + c] *= g;
    }
    double peak = 0;
    for (double v : out) peak = std::max(peak, std::abs(v));
    if (peak > 0) {
        const double scale = std::pow(10.0, peakDb / 20.0) / peak;
        for (double& v : out) v *= scale;
    }
    return out;
}

}  // namespace assetgen
