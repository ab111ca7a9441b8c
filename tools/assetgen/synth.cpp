// Instrument voices rendered sample by sample into the buffer.
#include "tools/assetgen/synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

Synth::Synth(int rate, int channels, int64_t length, bool wrap, uint64_t seed)
    : rate_(rate),
      channels_(channels),
      length_(length),
      wrap_(wrap),
      random_(seed),
      samples_(static_cast<size_t>(length * channels), 0.0f) {}

void Synth::Add(int64_t frame, double value, double pan) {
    if (wrap_) {
        frame %= length_;
        if (frame < 0) frame += length_;
    } else if (frame < 0 || frame >= length_) {
        return;
    }
    if (channels_ == 1) {
        samples_[frame] += static_cast<float>(value);
        return;
    }
    const double angle = (pan + 1) * M_PI / 4;
    samples_[frame * 2] += static_cast<float>(value * std::cos(angle) * 1.4142);
    samples_[frame * 2 + 1] += static_cast<float>(value * std::sin(angle) * 1.4142);
}

void Synth::Note(Voice voice, int64_t start, double note, double seconds, double gain, double pan) {
    const double hz = MidiToHz(note);
    const double rate = rate_;
    double release = 0.08;
    switch (voice) {
        case Voice::ToyPiano:
            release = 0.6;
            break;
        case Voice::MusicBox:
            release = 1.2;
            break;
        case Voice::Pad:
            release = 0.5;
            break;
        case Voice::Kick:
            seconds = 0.25;
            release = 0.05;
            break;
        case Voice::Snare:
            seconds = 0.18;
            release = 0.05;
            break;
        case Voice::HiHat:
            seconds = 0.05;
            release = 0.02;
            break;
        default:
            break;
    }
    const int64_t frames = static_cast<int64_t>((seconds + release) * rate);
    double lowpass = 0;
    for (int64_t i = 0; i < frames; ++i) {
        const double t = i / rate;
        // Attack, hold, then release after the note's length.
        double envelope = std::min(1.0, t / 0.004);
        if (t > seconds) envelope *= std::max(0.0, 1.0 - (t - seconds) / release);
        const double phase = 2 * M_PI * hz * t;
        double value = 0;
        switch (voice) {
            case Voice::ToyPiano:
                value = (std::sin(phase) + 0.5 * std::sin(2 * phase) * std::exp(-t * 6) +
                         0.25 * std::sin(3 * phase) * std::exp(-t * 10)) *
                        std::exp(-t * 3.5);
                break;
            case Voice::MusicBox:
                value =
                    (std::sin(phase) + 0.35 * std::sin(4.01 * phase) * std::exp(-t * 8)) * std::exp(-t * 2.5);
                break;
            case Voice::Lead: {
                const double vibrato = 1 + 0.004 * std::sin(2 * M_PI * 5.5 * t) * std::min(1.0, t * 3);
                const double p = std::fmod(hz * vibrato * t, 1.0);
                const double square = p < 0.5 ? 1.0 : -1.0;
                lowpass += (square - lowpass) * 0.18;
                value = lowpass * 0.7 + 0.3 * std::sin(phase);
                break;
            }
            case Voice::Bass: {
                const double p = std::fmod(hz * t, 1.0);
                const double triangle = 4 * std::fabs(p - 0.5) - 1;
                value = std::tanh(triangle * 1.6) * std::exp(-t * 1.2);
                break;
            }
            case Voice::Pad:
                value = (std::sin(phase) + std::sin(phase * 1.004) + 0.5 * std::sin(phase * 2.001)) / 2.5 *
                        std::min(1.0, t / 0.15);
                break;
            case Voice::Kick: {
                const double sweep = 2 * M_PI * (50 * t + 90 * (1 - std::exp(-t * 30)) / 30);
                value = std::sin(sweep) * std::exp(-t * 14);
                break;
            }
            case Voice::Snare: {
                const double noise = random_.Range(-1, 1);
                lowpass += (noise - lowpass) * 0.5;
                value = (lowpass * 0.8 + 0.4 * std::sin(2 * M_PI * 190 * t)) * std::exp(-t * 22);
                break;
            }
            case Voice::HiHat: {
                const double noise = random_.Range(-1, 1);
                value = (noise - lowpass) * std::exp(-t * 70);
                lowpass = noise;
                break;
            }
        }
        Add(start + i, value * envelope * gain, pan);
    }
}

void Synth::Normalise(double peak) {
    float loudest = 0;
    for (float s : samples_) loudest = std::max(loudest, std::fabs(s));
    if (loudest <= 0) return;
    const float scale = static_cast<float>(peak / loudest);
    for (float& s : samples_) s *= scale;
}

}  // namespace assetgen
