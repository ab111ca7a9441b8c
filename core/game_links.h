// What the init phase, the per-frame dispatch and ReturnToMenu ask of the race and of
// the main menu. The screens themselves answer through the screen table.
//
// core/ is built below race/ and menus/ and never names their classes. The program's
// composition root (ProgramObjects) owns the race and the screens and fills one
// GameLinks with what they do; the core decides when it happens. A hook left empty
// does nothing, so the core runs on its own in its tests.
#pragma once

#include <cstdint>
#include <functional>

struct GameLinks {
    // Init phase.
    std::function<void()> makeChaseCamera;     // a new chase camera on MainCamera (both kinds of init phase)
    // The main menu's opening arrangement: at first start its buttons hidden and parked to
    // slide in; after a re-creation its buttons hidden until its update places them again.
    std::function<void()> arrangeMainMenu;
    std::function<void()> makeRace;            // first init phase, step 18: the race object, not built
    // Both kinds of init phase, in the loading pauses: reads race models for at most the given ms.
    std::function<void(uint32_t ms)> preloadRace;
    // Both kinds of init phase, between iTextureMipLevelsSet(1) and the fonts: a new share
    // screen reads its description and builds its pictures.
    std::function<void()> loadShareScreen;
    std::function<void()> rebuildRace;         // later init phase: RebuildRace when the race was built
    // Later init phase in a race-scene state, after the camera was put at (0, 100, 0):
    // one UpdateRace and ShowRaceScene.
    std::function<void()> restoreRaceScene;

    // Per frame.
    std::function<void()> updateRace;          // AppState 4: UpdateRace
    std::function<void(uint8_t state)> drawHud;  // AppState 4, 14, 16: the race's text line
    // True while a screen change animates and the menus take no input: the exit question's
    // leaving flag, the difficulty screen's start-race flag, or (in a menu state) the main
    // menu's buttons still moving.
    std::function<bool()> menuInputBlocked;
    // AppState 37: the whole frame is the share screen's Hover and Update (it ends the frame
    // loop when the player leaves it, or at once when it is unusable).
    std::function<void()> leavingStep;

    // Escape in the race or the pause: the in-race dialog opens ("Exit To Menu?").
    std::function<void()> openRaceDialog;

    // Pause, resume and the boss key.
    std::function<void(bool shown)> showPauseSprite;
    std::function<void()> resetCarPhysics;     // iBodyPhysicsReset on the wheels and chassis of the ten cars
    std::function<int()> trackNo;              // TrackNo of the race, for the game music; 0 without a race
    std::function<void()> forgetLoadedTracks;  // boss key: Loaded false on every existing track

    // ReturnToMenu's race-side steps: HideRaceScene, the name entry's reset, ResetGame.
    std::function<void()> leaveRace;
};
