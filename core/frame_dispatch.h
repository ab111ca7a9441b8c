// The per-frame run step: timing, the global keys, then the current screen's input and update.
#pragma once

#include "core/cursor_sprite.h"
#include "core/frame_timer.h"
#include "core/game_links.h"
#include "core/pointer_dispatch.h"
#include "core/screen_table.h"

class FrameDispatch {
public:
    // `links` reach the race and `screens` every screen; both must outlive the dispatch.
    FrameDispatch(FrameTimer& timer, CursorSprite& cursor, PointerDispatch& pointer, const GameLinks& links,
                  const ScreenTable& screens);

    // Once per frame between iEngineRunBegin and iEngineRunEnd.
    void RunStep();

private:
    void KeyboardStep();
    // The boss key; true when it fired outside the key capture, which ends the keyboard step.
    bool BossKeyStep();
    // The rows of the state table for the race and its result screens.
    void RaceKeys();
    void PauseKeys();

    FrameTimer& timer_;
    CursorSprite& cursor_;
    PointerDispatch& pointer_;
    const GameLinks& links_;
    const ScreenTable& screens_;
};

// The race-side steps of ReturnToMenu for this run (the links' leaveRace); nullptr
// leaves them out. The composition root sets them once and clears them at its end.
void SetReturnToMenuLinks(const GameLinks* links);

// Leaves the result screens for the main menu: HideRaceScene, the name entry's reset
// and ResetGame (through the links set above), then AppState 5, the menu camera view
// and the menu music. The screens call it as a plain function.
void ReturnToMenu();
