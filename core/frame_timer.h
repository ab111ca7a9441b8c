// Measures each frame on the performance counter and turns it into FrameScale.
#pragma once

#include <cstdint>

// The last frame's duration in units of 0.013 s (1.0 is a 13 ms frame); every
// per-frame rate is multiplied by it. 0 after a stall or a counter that did not move.
extern long double FrameScale;

class FrameTimer {
public:
    // Takes the counter frequency and the current counter as the base (each init phase).
    void Start();
    // Seconds since the previous call (or Start), with stalls above 1 s and
    // steps below 1 microsecond read as 0; sets FrameScale and returns it.
    long double Measure();

    // The clamp rule on its own: seconds as measured -> seconds used.
    static long double ClampFrameSeconds(long double seconds);

private:
    long double secondsPerCount_ = 0;
    uint64_t previousCounter_ = 0;
};
