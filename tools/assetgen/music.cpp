// sound\musmenu.ogg and musgame1..3.ogg: four procedural tunes, each a whole
// number of bars of a minute or more, rendered into a wrapping buffer so the end
// runs into the start without a click.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/audio_writer.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

namespace {

constexpr int kRate = 44100;
constexpr double kMinimumSeconds = 62;

struct Tune {
    const char* path;
    double bpm;
    int root;            // MIDI note of the key's tonic
    const int* scale;    // seven semitone offsets
    int progression[4];  // scale degrees 0..6 of the four chords
    Voice melody;
    Voice chords;
    bool drums;
    uint64_t seed;
};

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};
const int kDorian[7] = {0, 2, 3, 5, 7, 9, 10};

int ScaleNote(const Tune& tune, int degree) {
    const int octave = degree >= 0 ? degree / 7 : (degree - 6) / 7;
    return tune.root + 12 * octave + tune.scale[degree - 7 * octave];
}

void Render(GeneratorContext& context, const Tune& tune) {
    // Everything is timed in sixteenth steps of a whole number of frames.
    const int64_t step = std::llround(kRate * 15.0 / tune.bpm);
    const int64_t bar = step * 16;
    int bars = static_cast<int>(std::ceil(kMinimumSeconds * kRate / bar));
    bars = (bars + 7) / 8 * 8;
    Synth synth(kRate, 2, bar * bars, true, tune.seed);
    Random random(tune.seed);
    const double stepSeconds = static_cast<double>(step) / kRate;
    // Two eight-bar melodies (A and B), each bar a phrase of chord tones and steps.
    std::vector<int> melodies[2];
    for (auto& melody : melodies) {
        int degree = 7 + static_cast<int>(random.Range(0, 3));
        for (int b = 0; b < 8; ++b) {
            const int chord = tune.progression[b % 4];
            for (int s = 0; s < 16; s += 2) {
                if (random.Unit() < 0.22 && s % 4 != 0) {
                    melody.push_back(-1000);
                    continue;
                }
                if (s % 8 == 0) {
                    const int tones[3] = {chord, chord + 2, chord + 4};
                    int best = tones[0] + 7;
                    for (int tone : tones) {
                        for (int octave : {0, 7, 14}) {
                            if (std::abs(tone + octave - degree) < std::abs(best - degree))
                                best = tone + octave;
                        }
                    }
                    degree = best;
                } else {
                    degree += static_cast<int>(random.Range(-2, 3));
                    degree = std::clamp(degree, 5, 16);
                }
                melody.push_back(degree);
            }
        }
    }
    for (int b = 0; b < bars; ++b) {
        const int section = (b / 8) % 4;  // A, B, breakdown, A again
        const int chord = tune.progression[b % 4];
        const int64_t start = static_cast<int64_t>(b) * bar;
        // Bass on the beats, octave bounce on the off-beats.
        for (int beat = 0; beat < 4; ++beat) {
            const int note = ScaleNote(tune, chord) - 24;
            synth.Note(Voice::Bass, start + beat * 4 * step, note, stepSeconds * 2.5, 0.42, 0);
            if (section != 2) {
                synth.Note(Voice::Bass, start + (beat * 4 + 2) * step, note + 12, stepSeconds * 1.5, 0.22, 0);
            }
        }
        // Chords as an arpeggio of sixteenths.
        for (int s = 0; s < 16; ++s) {
            const int tone = chord + (s % 3) * 2 + (s % 6 >= 3 ? 7 : 0);
            synth.Note(tune.chords, start + s * step, ScaleNote(tune, tone), stepSeconds * 0.9,
                       tune.chords == Voice::Pad ? 0.08 : 0.13, (s % 2) ? 0.45 : -0.45);
        }
        if (section != 2) {
            const auto& melody = melodies[section == 1 ? 1 : 0];
            for (int n = 0; n < 8; ++n) {
                const int degree = melody[(b % 8) * 8 + n];
                if (degree < -100) continue;
                synth.Note(tune.melody, start + n * 2 * step, ScaleNote(tune, degree), stepSeconds * 1.7, 0.3,
                           0.1);
            }
        }
        if (tune.drums) {
            for (int s = 0; s < 16; ++s) {
                const int64_t at = start + s * step;
                if (s % 8 == 0 || (section != 2 && s == 10)) synth.Note(Voice::Kick, at, 0, 0, 0.6, 0);
                if (s % 8 == 4 && section != 2) synth.Note(Voice::Snare, at, 0, 0, 0.35, 0.1);
                if (s % 2 == 0) synth.Note(Voice::HiHat, at, 0, 0, s % 4 == 2 ? 0.16 : 0.09, -0.3);
            }
        } else if (b % 2 == 0) {
            synth.Note(Voice::HiHat, start, 0, 0, 0.06, -0.3);
        }
    }
    synth.Normalise(0.85);
    context.out.Write(tune.path, EncodeOgg(synth.Samples(), 2, kRate, 0.35));
}

}  // namespace

void GenerateMusic(GeneratorContext& context) {
    const Tune tunes[4] = {
        {"sound/musmenu.ogg", 96, 65, kMajor, {0, 5, 3, 4}, Voice::MusicBox, Voice::ToyPiano, false, 501},
        {"sound/musgame1.ogg", 144, 57, kMinor, {0, 5, 2, 6}, Voice::Lead, Voice::Pad, true, 502},
        {"sound/musgame2.ogg", 132, 62, kMajor, {0, 4, 5, 3}, Voice::Lead, Voice::ToyPiano, true, 503},
        {"sound/musgame3.ogg", 152, 60, kDorian, {0, 3, 0, 6}, Voice::ToyPiano, Voice::Pad, true, 504},
    };
    for (const Tune& tune : tunes) Render(context, tune);
}

}  // namespace assetgen
