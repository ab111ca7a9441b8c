// The init phase: runs each time the engine has been opened. The first time it
// creates every shared engine object behind a loading picture; later times (after
// a suspend) it rebuilds them and restores the picture of the current state.
#pragma once

#include "core/cursor_sprite.h"
#include "core/frame_timer.h"
#include "core/game_links.h"
#include "core/loading_screen.h"
#include "core/screen_table.h"

class InitPhase {
public:
    // `links` reach the race and `screens` every screen; both must outlive the init phase.
    InitPhase(FrameTimer& timer, LoadingScreen& loading, CursorSprite& cursor, const GameLinks& links,
              const ScreenTable& screens);

    void Run();
    bool Done() const { return initDone_; }

private:
    void CommonSteps();
    void FirstTime();
    void LoadingPause();
    void AfterSuspend();
    void MakeCameraAndSky();
    void MakeFonts();
    void MakeSoundsAndMusic();

    FrameTimer& timer_;
    LoadingScreen& loading_;
    CursorSprite& cursor_;
    const GameLinks& links_;
    const ScreenTable& screens_;
    bool initDone_ = false;  // the first init phase has completed
};
