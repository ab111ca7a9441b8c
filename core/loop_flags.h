// The flags that steer the window cycle: suspend, wait for the user, leave.
#pragma once

#include <cstdint>

struct LoopFlags {
    // -1 ends the frame loop after the current run step, closes the engine and
    // re-creates the window (boss key or focus loss in full screen, display change, links).
    int32_t SuspendRequested = 0;
    // The window was minimised by the boss key or a link button; the next
    // activation ends the suspended wait.
    bool MinimizedByUser = false;
    // While false the window procedure swallows every message.
    bool WindowProcActive = true;
    // Leave the program when the suspended wait ends (hot-key message 201).
    bool QuitAfterWait = false;
    // The options screen's display-changed flag: an applied display or shadow
    // change re-opens the engine at once instead of waiting for the user.
    bool DisplayChanged = false;
};

// The program's one set of loop flags; main thread only.
extern LoopFlags Loop;
