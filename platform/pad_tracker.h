// PadTracker: game pads through SDL's game-controller API, turned into held keys.
#pragma once

#include <SDL2/SDL.h>

#include <vector>

#include "platform/input_tracker.h"
#include "platform/sdl_bridge.h"

namespace platform {

// Opens every pad SDL reports, also those plugged in later, and forgets pads that are
// pulled out (their keys are let go). Each control of the map presses its key while any
// pad holds it: a button while down; a stick direction past half way, let go below a
// third (so a stick resting near the edge does not flicker); a trigger past a third, let
// go below a fifth. Controls are followed from the events' own values, so a press and
// release inside one frame still gives a press edge. When the map gives a control
// another key, the old key is let go and a control held at that moment presses its new
// key only after it has been let go (the button that chose "Race" does not also boost).
class PadTracker {
public:
    // Takes SDL's game-controller events; false for any other event.
    bool Apply(const SDL_Event& event, InputTracker& input);
    void SetMap(const PadKeyMap& map, InputTracker& input);
    // Focus went elsewhere: the pads' keys are let go and held controls wait for release.
    void ReleaseAll(InputTracker& input);
    int Count() const { return static_cast<int>(pads_.size()); }

private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        SDL_JoystickID id = -1;
        bool buttons[SDL_CONTROLLER_BUTTON_MAX] = {};
        Sint16 axes[SDL_CONTROLLER_AXIS_MAX] = {};
    };

    void Open(int deviceIndex);
    void Close(SDL_JoystickID id);
    Pad* Find(SDL_JoystickID id);
    // How far any pad pushes a control, 0..32767.
    int Level(PadControl control) const;
    // Follows the controls and presses or lets go of the keys that changed.
    void Update(InputTracker& input);

    // Pads stay open until pulled out or until SDL shuts down (which closes them).
    std::vector<Pad> pads_;
    PadKeyMap map_;
    bool active_[PadControlCount] = {};
    bool blocked_[PadControlCount] = {};
    bool keyHeld_[SDL_NUM_SCANCODES] = {};
};

}  // namespace platform
