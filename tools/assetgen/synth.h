// Synth: small building blocks for the sound effects and the music: a mono or
// stereo sample buffer that wraps notes past its end to its start (so a loop
// joins without a click), and a few instrument voices.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/random.h"

namespace assetgen {

double MidiToHz(double note);

enum class Voice {
    ToyPiano,  // sine with bright decaying overtones
    MusicBox,  // high bell-like sine pair
    Lead,      // soft square with vibrato
    Bass,      // triangle with a little drive
    Pad,       // slow detuned sines
    Kick,
    Snare,
    HiHat,
};

class Synth {
public:
    // length in frames; wrap: notes past the end continue from the start.
    Synth(int rate, int channels, int64_t length, bool wrap, uint64_t seed);

    // Adds a note of the voice starting at frame start, lasting seconds (the voice's
    // release rings on after it), at gain 0..1 and pan -1 (left) .. 1 (right).
    void Note(Voice voice, int64_t start, double note, double seconds, double gain, double pan);

    // Adds one sample value (mono sum) at frame, to every channel.
    void Add(int64_t frame, double value, double pan = 0);

    // Scales so the loudest sample is peak.
    void Normalise(double peak);

    int Rate() const { return rate_; }
    int64_t Length() const { return length_; }
    const std::vector<float>& Samples() const { return samples_; }

private:
    int rate_;
    int channels_;
    int64_t length_;
    bool wrap_;
    Random random_;
    std::vector<float> samples_;
};

}  // namespace assetgen
