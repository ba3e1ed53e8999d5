#pragma once

#include <vector>

namespace assetgen {

// The instrument voices our sounds are built from.
enum class Timbre {
    Bell,     // struck metal: a few partials, the higher ones dying faster
    Glock,    // small bright bars, short ring
    Marimba,  // wooden bars, quick decay
    Brass,    // sustained horn: harmonics that brighten as the note opens
    Pluck,    // soft plucked bass
};

// One note of a sound.
struct Tone {
    double start = 0;     // seconds from the beginning
    double length = 0.2;  // seconds the note is held before it is released
    double frequency = 440;
    double gain = 1;  // relative loudness
    double pan = 0;   // -1 left .. 1 right (stereo only)
    Timbre timbre = Timbre::Bell;
    double release = 0.08;  // seconds a sustained note takes to die away after its length
};

// A short piece of audio mixed from tones and clicks, then levelled and faded.
class Mixdown {
public:
    Mixdown(int sampleRate, int frames, int channels);

    void Add(const Tone& tone);

    // A soft click: a short falling sine sweep over a puff of smoothed noise.
    void AddClick(double start, double fromHz, double toHz, double gain, unsigned long long seed);

    // The interleaved samples, scaled so the loudest is at `peakDb` dBFS, with
    // a raised-cosine fade at both ends so playback neither starts nor stops
    // with a click. The first and last samples are exactly zero.
    std::vector<double> Finish(double peakDb, double fadeInSeconds, double fadeOutSeconds) const;

private:
    void Mix(int frame, double value, double pan);

    int m_rate;
    int m_frames;
    int m_channels;
    std::vector<double> m_mix;  // interleaved, m_frames * m_channels
};

// Frequency of a note given in semitones from A4 (440 Hz).
double NoteHz(int semitonesFromA4);

}  // namespace assetgen
