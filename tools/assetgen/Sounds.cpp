#include "tools/assetgen/Sounds.h"

#include "tools/assetgen/Synth.h"
#include "tools/assetgen/WavWriter.h"

#include "resources/ResourceIds.h"

#include <string_view>

namespace assetgen {
namespace {

// Notes in semitones from A4.
enum Note : int {
    C3 = -21,
    F3 = -16,
    G3 = -14,
    G4 = -2,
    C5 = 3,
    E5 = 7,
    F5 = 8,
    G5 = 10,
    A5 = 12,
    B5 = 14,
    C6 = 15,
    D6 = 17,
    E6 = 19,
    G6 = 22,
    B6 = 26,
    E7 = 31,
    G7 = 34,
};

// A glimble is collected: three bell strikes rising an octave and a fifth,
// spread across the stereo field, with a faint sparkle on top.
void ComposeMove(Mixdown& m) {
    m.Add({0.005, 0.1, NoteHz(E6), 0.9, -0.35, Timbre::Bell});
    m.Add({0.080, 0.1, NoteHz(B6), 0.8, 0.35, Timbre::Bell});
    m.Add({0.155, 0.1, NoteHz(E7), 0.6, 0.0, Timbre::Bell});
    m.Add({0.230, 0.1, NoteHz(G7), 0.18, 0.6, Timbre::Glock});
    m.Add({0.270, 0.1, NoteHz(E7), 0.14, -0.6, Timbre::Glock});
}

// A tile is uncovered: one soft wooden tock.
void ComposeSelect(Mixdown& m) { m.AddClick(0.004, 1300, 650, 1.0, 0x5E1EC7); }

// A place in the best results: a short brass call that lands on a held chord.
void ComposeBest(Mixdown& m) {
    const double b = 0.16;  // one beat
    m.Add({0.01, 0.12, NoteHz(G4), 0.8, 0, Timbre::Brass});
    m.Add({0.01 + b, 0.12, NoteHz(C5), 0.8, 0, Timbre::Brass});
    m.Add({0.01 + 2 * b, 0.12, NoteHz(E5), 0.8, 0, Timbre::Brass});
    m.Add({0.01 + 3 * b, 0.36, NoteHz(G5), 0.85, 0, Timbre::Brass});
    m.Add({0.01 + 5.8 * b, 0.12, NoteHz(E5), 0.75, 0, Timbre::Brass});
    const double last = 0.01 + 7 * b;
    const double hold = 0.85, fade = 0.3;
    m.Add({last, hold, NoteHz(C6), 0.85, 0, Timbre::Brass, fade});
    m.Add({last, hold, NoteHz(G5), 0.45, 0, Timbre::Brass, fade});
    m.Add({last, hold, NoteHz(E5), 0.4, 0, Timbre::Brass, fade});
    m.Add({last, 0.5, NoteHz(C3), 0.9, 0, Timbre::Pluck});
}

// A won game: a bouncy marimba tune over a plucked bass, ending on a ringing chord.
void ComposeWin(Mixdown& m) {
    const double e = 0.15;  // an eighth note
    const Note tune[] = {C5, E5, G5, E5, F5, A5, C6, A5, G5, B5, D6, B5};
    for (int i = 0; i < 12; ++i) m.Add({0.01 + i * e, e, NoteHz(tune[i]), 0.8, 0, Timbre::Marimba});
    m.Add({0.01 + 12 * e, 2 * e, NoteHz(C6), 0.85, 0, Timbre::Marimba});
    m.Add({0.01 + 14 * e, 2 * e, NoteHz(G5), 0.8, 0, Timbre::Marimba});
    const double run = 0.01 + 16 * e;
    const Note up[] = {E5, G5, C6};
    for (int i = 0; i < 3; ++i) m.Add({run + i * 0.1, 0.1, NoteHz(up[i]), 0.75, 0, Timbre::Marimba});
    const double chord = run + 0.3;
    m.Add({chord, 1.0, NoteHz(C6), 0.6, 0, Timbre::Glock});
    m.Add({chord, 1.0, NoteHz(E6), 0.45, 0, Timbre::Glock});
    m.Add({chord, 1.0, NoteHz(G5), 0.45, 0, Timbre::Glock});
    m.Add({chord + 0.12, 1.0, NoteHz(G6), 0.2, 0, Timbre::Glock});
    const Note bass[] = {C3, F3, G3, C3};
    for (int i = 0; i < 4; ++i) m.Add({0.01 + i * 4 * e, 4 * e, NoteHz(bass[i]), 0.7, 0, Timbre::Pluck});
    m.Add({chord, 1.0, NoteHz(C3), 0.8, 0, Timbre::Pluck});
    m.Add({chord, 1.0, NoteHz(G3), 0.35, 0, Timbre::Pluck});
}

struct Recipe {
    std::string_view name;  // the catalogued sound it makes
    void (*compose)(Mixdown&);
    double fadeIn;   // seconds
    double fadeOut;  // seconds
};

constexpr Recipe kRecipes[] = {
    {res::kSoundMove, ComposeMove, 0.003, 0.08},
    {res::kSoundSelect, ComposeSelect, 0.001, 0.03},
    {res::kSoundBest, ComposeBest, 0.005, 0.12},
    {res::kSoundWin, ComposeWin, 0.005, 0.25},
};

}  // namespace

std::vector<double> SoundSamples(const res::SoundInfo& sound) {
    const int frames = sound.dataBytes / sound.BlockAlign();
    Mixdown mix(sound.sampleRate, frames, sound.channels);
    for (const Recipe& r : kRecipes) {
        if (r.name != sound.name) continue;
        r.compose(mix);
        return mix.Finish(kSoundPeakDb, r.fadeIn, r.fadeOut);
    }
    return mix.Finish(kSoundPeakDb, 0.001, 0.001);
}

QByteArray MakeSoundFile(const res::SoundInfo& sound) {
    const QByteArray pcm = PcmBytes(SoundSamples(sound), sound.bitsPerSample);
    return EncodeWav(sound, pcm, QStringLiteral("2Glimbles sound %1").arg(SoundName(sound)));
}

QString SoundName(const res::SoundInfo& sound) {
    return QString::fromLatin1(sound.name.data(), static_cast<qsizetype>(sound.name.size()));
}

}  // namespace assetgen
