// What the init phase, the per-frame dispatch and ReturnToMenu ask of the race and
// of the screens over it.
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
    std::function<void()> makeSideScreens;     // first init phase: the name-entry screen's Init
    std::function<void()> rebuildSideScreens;  // later init phase: the name-entry screen's Build
    std::function<void()> makeRace;            // first init phase, step 18: the race object, not built
    std::function<void()> rebuildRace;         // later init phase: RebuildRace when the race was built
    // Later init phase in a race-scene state, after the camera was put at (0, 100, 0):
    // one UpdateRace and ShowRaceScene.
    std::function<void()> restoreRaceScene;

    // Per frame.
    std::function<void()> updateRace;          // AppState 4: UpdateRace
    std::function<void(uint8_t state)> drawHud;  // AppState 4, 14, 16: the race's text line
    std::function<void()> nameEntryKeys;       // AppState 19, 20, 21: the name entry's key step
    std::function<void()> nameEntryUpdate;     // AppState 19, 20, 21: the name entry's update

    // Pause, resume and the boss key.
    std::function<void(bool shown)> showPauseSprite;
    std::function<void()> resetCarPhysics;     // iBodyPhysicsReset on the wheels and chassis of the ten cars
    std::function<int()> trackNo;              // TrackNo of the race, for the game music; 0 without a race
    std::function<void()> forgetLoadedTracks;  // boss key: Loaded false on every existing track

    // ReturnToMenu's race-side steps: HideRaceScene, the name entry's reset, ResetGame.
    std::function<void()> leaveRace;
};
