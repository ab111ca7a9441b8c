// Keeps the keyboard, game pad and mouse state the message pump has seen.
#pragma once

#include <SDL2/SDL.h>

#include "platform/sdl_bridge.h"

namespace platform {

// Builds InputState from SDL events alone, so that events pushed by a test or
// the headless runner count exactly like real ones.
class InputTracker {
public:
    void Apply(const SDL_Event& event);
    // A game pad holds (or lets go of) a key. A key is down while the keyboard or a pad
    // holds it, and a press edge is counted only when neither held it before.
    void SetPadKey(SDL_Scancode code, bool down);
    // Forgets held keys and buttons (focus went elsewhere and their releases will not come).
    void ReleaseAll();
    void ConsumePresses();
    // HotKeyModifier bits held now, from tracked keys and the event's own modifier state.
    unsigned HeldModifiers(const SDL_Keysym& keysym) const;
    bool AltHeld() const;
    const InputState& State() const { return state_; }

private:
    void Refresh(SDL_Scancode code);

    InputState state_;
    bool keyboardDown_[SDL_NUM_SCANCODES] = {};
    bool padDown_[SDL_NUM_SCANCODES] = {};
};

}  // namespace platform
