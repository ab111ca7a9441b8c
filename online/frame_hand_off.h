// Steps a worker thread hands to the frame loop, which runs them between two frames in order.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

class FrameHandOff {
public:
    // Any thread: the step waits for the frame loop's next RunPosted.
    void Post(std::function<void()> step);
    // The main thread, between two frames: runs every step posted so far, in the order posted.
    void RunPosted();

private:
    std::mutex mutex_;
    std::vector<std::function<void()>> steps_;
};
