// FrameClock: frame durations and time since opening, on the platform's performance counter
// (so a test's hand-driven clock drives the engine too).
#pragma once

#include <cstdint>

namespace engine {

class FrameClock {
public:
    void Start();   // the engine has just opened
    void Tick();    // a frame begins: the time since the previous Tick becomes the frame's duration
    float LastFrame() const { return lastFrame_; }  // seconds
    float SinceStart() const;                         // seconds

private:
    uint64_t start_ = 0, previous_ = 0;
    float lastFrame_ = 0;
};

}  // namespace engine
