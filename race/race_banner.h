// RaceBanner: the state of one of the race's big texts ("LEVEL n", "TIME IS OVER!", "LEVEL COMPLETE!").
#pragma once

// A banner grows in, pulses its alpha for two full cosine periods, then shrinks away.
// The race advances it once per frame with the steps of that banner and draws it while
// it is Shown.
struct RaceBanner {
    long double Visible = -1;  // drawn while above 0: 2.0 when started, -1.0 when done
    long double Scale = 0;
    long double Alpha = 0;
    long double Phase = 0;     // radians of the pulse
    bool Pulsing = false;

    // Visible 2, Scale 0, Alpha 0, Phase 0, Pulsing.
    void Start();
    // One frame. While pulsing: below scale 1, Scale and Alpha grow by `growth`; from
    // scale 1, Alpha = cos(Phase) x 0.4 + 0.6 and Phase advances by `phaseStep` until
    // it reaches 4 pi, after which pulsing ends once `mayStopPulsing` allows it. Then
    // Scale and Alpha shrink by 0.05 a frame, and at 0 the banner is done (Visible -1).
    void Advance(long double growth, long double phaseStep, bool mayStopPulsing = true);
    bool Shown() const { return Visible > 0; }
};
