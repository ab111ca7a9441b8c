// The frame loop's queue of steps handed over by worker threads.
#include "online/frame_hand_off.h"

#include <utility>

void FrameHandOff::Post(std::function<void()> step) {
    std::lock_guard<std::mutex> lock(mutex_);
    steps_.push_back(std::move(step));
}

void FrameHandOff::RunPosted() {
    std::vector<std::function<void()>> steps;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        steps.swap(steps_);
    }
    // Run without the lock: a step may post again or wait for the thread that posted it.
    for (const auto& step : steps) {
        if (step) step();
    }
}
