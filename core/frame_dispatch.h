// The per-frame run step: timing, the global keys, then the current screen's input and update.
#pragma once

#include "core/cursor_sprite.h"
#include "core/frame_timer.h"
#include "core/pointer_dispatch.h"

class FrameDispatch {
public:
    FrameDispatch(FrameTimer& timer, CursorSprite& cursor, PointerDispatch& pointer);

    // Once per frame between iEngineRunBegin and iEngineRunEnd.
    void RunStep();

private:
    void KeyboardStep();
    // The boss key; true when it fired outside the key capture, which ends the keyboard step.
    bool BossKeyStep();

    FrameTimer& timer_;
    CursorSprite& cursor_;
    PointerDispatch& pointer_;
};

// Leaves the result screens for the main menu: the menu camera view and state.
void ReturnToMenu();
