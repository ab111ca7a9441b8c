// Program entry: saved files, window parameters, the window cycle, the closing link.
#include "core/program_entry.h"

#include "core/app_config.h"
#include "core/app_state.h"
#include "core/cursor_sprite.h"
#include "core/frame_dispatch.h"
#include "core/frame_timer.h"
#include "core/init_phase.h"
#include "core/loading_screen.h"
#include "core/loop_flags.h"
#include "core/random_source.h"
#include "core/saved_files.h"
#include "core/window_cycle.h"
#include "platform/platform.h"

LoopFlags Loop;

namespace {
void ApplyLiveDisplaySettings(AppConfig& config) {
    const Settings& s = Saved.settings;
    ApplyDisplaySettings(config, s.windowed, s.resolution, s.colorDepth, s.engineOption);
}
}  // namespace

int RunProgram(std::optional<uint32_t> seed) {
    SeedRandom(seed ? *seed : platform::TickCount());
    if (const auto snapshotState = Saved.LoadSavedFiles()) AppState = *snapshotState;

    const platform::Point desktop = platform::DesktopSize();
    AppConfig config = DefaultAppConfig(desktop.x, desktop.y, platform::CaptionHeight());
    ApplyLiveDisplaySettings(config);

    FrameTimer timer;
    LoadingScreen loading;
    CursorSprite cursor;
    InitPhase initPhase(timer, loading, cursor);
    PointerDispatch pointer(cursor);
    FrameDispatch dispatch(timer, cursor, pointer);

    WindowCycle::Hooks hooks;
    hooks.initPhase = [&initPhase] { initPhase.Run(); };
    hooks.runStep = [&dispatch] { dispatch.RunStep(); };
    hooks.bossKey = [] { return static_cast<int>(Saved.settings.bossKey); };
    hooks.reloadDisplaySettings = ApplyLiveDisplaySettings;
    WindowCycle cycle(config, hooks);
    cycle.Run();

    platform::OpenWithDefaultHandler(platform::ResolvePath("play.url"));
    return 0;
}
