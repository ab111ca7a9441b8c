// Keeps the keyboard and mouse state the message pump has seen.
#pragma once

#include <SDL2/SDL.h>

#include "platform/sdl_bridge.h"

namespace platform {

// Builds InputState from SDL events alone, so that events pushed by a test or
// the headless runner count exactly like real ones.
class InputTracker {
public:
    void Apply(const SDL_Event& event);
    // Forgets held keys and buttons (focus went elsewhere and their releases will not come).
    void ReleaseAll();
    void ConsumePresses();
    // HotKeyModifier bits held now, from tracked keys and the event's own modifier state.
    unsigned HeldModifiers(const SDL_Keysym& keysym) const;
    bool AltHeld() const;
    const InputState& State() const { return state_; }

private:
    InputState state_;
};

}  // namespace platform
