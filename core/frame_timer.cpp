// Frame timing for the run step.
#include "core/frame_timer.h"

#include <cmath>

#include "platform/platform.h"

long double FrameScale = 0;

void FrameTimer::Start() {
    const uint64_t frequency = platform::PerformanceFrequency();
    secondsPerCount_ = frequency != 0 ? 1.0L / static_cast<long double>(frequency) : 0;
    previousCounter_ = platform::PerformanceCounter();
}

long double FrameTimer::ClampFrameSeconds(long double seconds) {
    const long double magnitude = std::fabs(seconds);
    if (magnitude > 1 || magnitude < 0.000001L) return 0;
    return seconds;
}

long double FrameTimer::Measure() {
    const uint64_t now = platform::PerformanceCounter();
    // Signed difference: a counter that went backwards gives a negative step, which the clamp judges.
    const long double counts = static_cast<long double>(static_cast<int64_t>(now - previousCounter_));
    previousCounter_ = now;
    FrameScale = ClampFrameSeconds(counts * secondsPerCount_) / 0.013L;
    return FrameScale;
}
