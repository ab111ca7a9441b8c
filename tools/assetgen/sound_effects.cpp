// sound\*.wav: the effects, 22 050 Hz mono, and the four motor loops, whose
// length holds whole cycles of every component so they loop without a click.
#include <cmath>
#include <functional>

#include "tools/assetgen/audio_writer.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/synth.h"

namespace assetgen {

namespace {

constexpr int kRate = 22050;

int64_t Frames(double seconds) {
    return static_cast<int64_t>(seconds * kRate);
}

void WriteEffect(GeneratorContext& context, const std::string& path, double seconds, uint64_t seed,
                 const std::function<void(Synth&)>& compose, double peak = 0.85) {
    Synth synth(kRate, 1, Frames(seconds), false, seed);
    compose(synth);
    synth.Normalise(peak);
    context.out.Write(path, EncodeWav(synth.Samples(), 1, kRate));
}

// A toy motor: a buzzy pulse at the period's rate with a whine an octave up and a
// little rattle; everything repeats exactly every period samples.
void WriteMotorLoop(GeneratorContext& context, const std::string& path, int period, int cycles, double buzz,
                    double rattle, double wobbleCycles, uint64_t seed) {
    const int64_t length = static_cast<int64_t>(period) * cycles;
    Synth synth(kRate, 1, length, true, seed);
    Random random(seed);
    std::vector<double> grit(period);
    for (double& g : grit) g = random.Range(-1, 1);
    for (int64_t i = 0; i < length; ++i) {
        const double p = static_cast<double>(i % period) / period;
        const double wobble = 1 + 0.25 * std::sin(2 * M_PI * wobbleCycles * i / length);
        const double pulse = (p < 0.3 ? 1.0 : -0.43) * buzz;
        const double whine = 0.35 * std::sin(2 * M_PI * 2 * p) + 0.2 * std::sin(2 * M_PI * 3 * p);
        const double noise = rattle * grit[i % period] * (p < 0.15 ? 1 : 0.3);
        synth.Add(i, (pulse + whine + noise) * wobble);
    }
    // A gentle one-pole smoothing, run twice round the loop so it settles seamlessly.
    std::vector<float> samples = synth.Samples();
    double state = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (float& s : samples) {
            state += (s - state) * 0.35;
            if (pass == 1) s = static_cast<float>(state);
        }
    }
    float loudest = 0;
    for (float s : samples) loudest = std::max(loudest, std::fabs(s));
    for (float& s : samples) s *= 0.7f / loudest;
    context.out.Write(path, EncodeWav(samples, 1, kRate));
}

}  // namespace

void GenerateSounds(GeneratorContext& context) {
    WriteEffect(context, "sound/1.wav", 0.2, 1, [](Synth& s) { s.Note(Voice::MusicBox, 0, 84, 0.05, 1, 0); });
    WriteEffect(context, "sound/4.wav", 0.35, 4, [](Synth& s) {
        s.Note(Voice::Kick, 0, 40, 0.2, 1, 0);
        s.Note(Voice::Snare, Frames(0.005), 50, 0.1, 0.6, 0);
    });
    WriteEffect(context, "sound/8.wav", 0.45, 8, [](Synth& s) {
        s.Note(Voice::ToyPiano, 0, 83, 0.08, 0.8, 0);
        s.Note(Voice::ToyPiano, Frames(0.08), 88, 0.25, 1, 0);
    });
    WriteEffect(context, "sound/9.wav", 0.9, 9, [](Synth& s) {
        const double notes[5] = {72, 76, 79, 84, 88};
        for (int i = 0; i < 5; ++i) s.Note(Voice::MusicBox, Frames(0.08 * i), notes[i], 0.12, 0.9, 0);
    });
    WriteEffect(context, "sound/10.wav", 0.7, 10, [](Synth& s) {
        for (int i = 0; i < 3; ++i) s.Note(Voice::Lead, Frames(0.18 * i), 62 - 3 * i, 0.16, 1, 0);
        s.Note(Voice::Bass, 0, 38, 0.5, 0.6, 0);
    });
    WriteEffect(
        context, "sound/11.wav", 0.5, 11,
        [](Synth& s) {
            for (int64_t i = 0; i < Frames(0.14); ++i) {
                const double t = static_cast<double>(i) / kRate;
                s.Add(i, std::sin(2 * M_PI * 1320 * t) * std::min(1.0, (0.14 - t) / 0.01) *
                             std::min(1.0, t / 0.005));
            }
        },
        0.6);
    WriteEffect(context, "sound/12.wav", 1.8, 12, [](Synth& s) {
        const double notes[6] = {67, 72, 76, 79, 76, 84};
        const double times[6] = {0, 0.12, 0.24, 0.36, 0.54, 0.66};
        for (int i = 0; i < 6; ++i)
            s.Note(Voice::Lead, Frames(times[i]), notes[i], i == 5 ? 0.7 : 0.1, 0.8, 0);
        s.Note(Voice::ToyPiano, Frames(0.66), 72, 0.7, 0.7, 0);
        s.Note(Voice::ToyPiano, Frames(0.66), 76, 0.7, 0.6, 0);
        s.Note(Voice::Kick, Frames(0.66), 36, 0.2, 0.6, 0);
    });
    WriteEffect(context, "sound/13.wav", 2.0, 13, [](Synth& s) {
        const double notes[4] = {67, 66, 65, 64};
        for (int i = 0; i < 4; ++i)
            s.Note(Voice::Lead, Frames(0.3 * i), notes[i], i == 3 ? 0.8 : 0.25, 0.8, 0);
        s.Note(Voice::Bass, Frames(0.9), 40, 0.8, 0.7, 0);
    });
    WriteEffect(
        context, "sound/14.WAV", 0.04, 14,
        [](Synth& s) {
            for (int64_t i = 0; i < Frames(0.03); ++i) {
                const double t = static_cast<double>(i) / kRate;
                s.Add(i, std::sin(2 * M_PI * 2400 * t) * std::exp(-t * 180));
            }
        },
        0.5);
    WriteEffect(
        context, "sound/15.wav", 0.12, 15,
        [](Synth& s) {
            s.Note(Voice::MusicBox, 0, 91, 0.02, 1, 0);
            s.Note(Voice::HiHat, 0, 0, 0.02, 0.5, 0);
        },
        0.7);
    // Motor loops: period 200 samples is 110.25 Hz.
    WriteMotorLoop(context, "sound/16.wav", 200, 110, 0.7, 0.25, 3, 16);
    WriteMotorLoop(context, "sound/a1.wav", 150, 147, 0.8, 0.35, 4, 101);
    WriteMotorLoop(context, "sound/a2.wav", 100, 220, 0.9, 0.3, 6, 102);
    WriteMotorLoop(context, "sound/b.wav", 260, 85, 0.6, 0.45, 2, 111);
}

}  // namespace assetgen
