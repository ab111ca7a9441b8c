// Frame timing.
#include "engine/frame_clock.h"

#include "platform/platform.h"

namespace engine {
namespace {

double Seconds(uint64_t counts) {
    const uint64_t frequency = platform::PerformanceFrequency();
    return frequency ? double(counts) / double(frequency) : 0.0;
}

}  // namespace

void FrameClock::Start() {
    start_ = previous_ = platform::PerformanceCounter();
    lastFrame_ = 0;
}

void FrameClock::Tick() {
    const uint64_t now = platform::PerformanceCounter();
    lastFrame_ = now >= previous_ ? float(Seconds(now - previous_)) : 0.0f;
    previous_ = now;
}

float FrameClock::SinceStart() const {
    const uint64_t now = platform::PerformanceCounter();
    return now >= start_ ? float(Seconds(now - start_)) : 0.0f;
}

}  // namespace engine
