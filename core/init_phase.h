// The init phase: runs each time the engine has been opened. The first time it
// creates every shared engine object behind a loading picture; later times (after
// a suspend) it rebuilds them and restores the picture of the current state.
#pragma once

#include "core/cursor_sprite.h"
#include "core/frame_timer.h"
#include "core/loading_screen.h"

class InitPhase {
public:
    InitPhase(FrameTimer& timer, LoadingScreen& loading, CursorSprite& cursor);

    void Run();
    bool Done() const { return initDone_; }

private:
    void CommonSteps();
    void FirstTime();
    void AfterSuspend();
    void MakeCameraAndSky();
    void MakeFonts();
    void MakeSoundsAndMusic();

    FrameTimer& timer_;
    LoadingScreen& loading_;
    CursorSprite& cursor_;
    bool initDone_ = false;  // the first init phase has completed
};
