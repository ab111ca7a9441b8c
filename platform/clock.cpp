// Time: the performance counter, the millisecond tick, Sleep, and the hand-driven clock for tests.
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include <SDL2/SDL.h>

#include "platform/platform.h"

namespace platform {

namespace {

// The manual clock counts nanoseconds from UseManualClock.
constexpr uint64_t kManualFrequency = 1'000'000'000;
constexpr uint64_t kNanosecondsPerMs = 1'000'000;

struct ManualClock {
    std::atomic<bool> active{false};
    std::atomic<uint64_t> counter{0};
    std::atomic<uint32_t> startTick{0};
};

ManualClock& Manual()
{
    static ManualClock clock;
    return clock;
}

}  // namespace

uint64_t PerformanceCounter()
{
    ManualClock& manual = Manual();
    return manual.active ? manual.counter.load() : SDL_GetPerformanceCounter();
}

uint64_t PerformanceFrequency()
{
    return Manual().active ? kManualFrequency : SDL_GetPerformanceFrequency();
}

uint32_t TickCount()
{
    ManualClock& manual = Manual();
    if (manual.active) {
        return manual.startTick + static_cast<uint32_t>(manual.counter / kNanosecondsPerMs);
    }
    // Milliseconds since the machine started, wrapping at 2^32 like the desktop's tick.
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

void Sleep(uint32_t milliseconds)
{
    ManualClock& manual = Manual();
    if (manual.active) {
        manual.counter += static_cast<uint64_t>(milliseconds) * kNanosecondsPerMs;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void UseManualClock(uint32_t startTickMs)
{
    ManualClock& manual = Manual();
    manual.counter = 0;
    manual.startTick = startTickMs;
    manual.active = true;
}

void AdvanceClock(double seconds)
{
    ManualClock& manual = Manual();
    if (!manual.active || !(seconds > 0.0)) {
        return;
    }
    manual.counter += static_cast<uint64_t>(std::llround(seconds * static_cast<double>(kManualFrequency)));
}

bool ManualClockActive()
{
    return Manual().active;
}

}  // namespace platform
