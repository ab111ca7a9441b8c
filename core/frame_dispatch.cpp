// Per-frame dispatch by AppState.
#include "core/frame_dispatch.h"

#include "core/app_state.h"
#include "core/boss_key.h"
#include "core/loop_flags.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "platform/platform.h"

FrameDispatch::FrameDispatch(FrameTimer& timer, CursorSprite& cursor, PointerDispatch& pointer)
    : timer_(timer), cursor_(cursor), pointer_(pointer) {}

void FrameDispatch::RunStep() {
    timer_.Measure();
    if (AppState == StateLeaving) return;

    if (AppState == StateRace || AppState == StatePause) {
        cursor_.Hide();
    } else {
        cursor_.Show();
    }
    KeyboardStep();
    pointer_.HoverStep();
    pointer_.ClickStep();
}

void FrameDispatch::KeyboardStep() {
    if (BossKeyStep()) return;
}

bool FrameDispatch::BossKeyStep() {
    const Settings& settings = Saved.settings;
    const int required = RequiredBossModifiers(settings.bossShift == 1, settings.bossAlt == 1, settings.bossCtrl == 1);
    if (!BossKeyFired(settings.bossKey, required)) return false;
    if (AppState == StateBindBossKey) {
        AppState = StateOptions;
        return false;
    }
    const bool fullScreen = settings.windowed == 0;
    if (fullScreen) Loop.MinimizedByUser = true;
    platform::MinimizeWindow(platform::FindWindow("Pebbledash"));
    if (fullScreen) Loop.SuspendRequested = -1;
    return true;
}

void ReturnToMenu() {
    AppState = StateMainMenu;
    iCameraLocationSet(Shared.MainCamera, {0, 10, 0});
    iCameraLookAt(Shared.MainCamera, {0, 10, 10}, 1.0f);
}
