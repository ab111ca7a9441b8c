// The window cycle: create the window, open the engine, run the frame loop,
// close, and re-create on a suspend; plus the window procedure.
#pragma once

#include <functional>

#include "core/app_config.h"
#include "platform/platform.h"

class WindowCycle {
public:
    struct Hooks {
        std::function<void()> initPhase;     // between iEngineInitBegin and iEngineInitEnd
        std::function<void()> runStep;       // between iEngineRunBegin and iEngineRunEnd
        std::function<int()> bossKey;        // key code of the boss key, consumed after each run step
        std::function<void(AppConfig&)> reloadDisplaySettings;  // from the live settings
    };

    WindowCycle(AppConfig& config, Hooks hooks);

    // Runs until the program should end (the engine stopped rendering with no
    // suspend pending, an engine error, or the user quit a suspended wait).
    void Run();

    // Handles one window message; false means default processing.
    bool WindowProcedure(const platform::Message& message);

private:
    enum class WaitResult { Resume, Retry, Leave };

    WaitResult WaitForUser(platform::WindowHandle& window);
    void OpenAndRunEngine(platform::WindowHandle window);
    void FrameLoop();

    AppConfig& config_;
    Hooks hooks_;
    int lastGetMessageResult_ = 1;
};
