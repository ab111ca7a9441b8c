// Keyboard and mouse state built from the events the message pump takes.
#include "platform/input_tracker.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

// SDL numbers buttons 1 left, 2 middle, 3 right; InputState 0 left, 1 right, 2 middle.
int ButtonSlot(Uint8 button)
{
    switch (button) {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    default:
        return -1;
    }
}

}  // namespace

void InputTracker::Apply(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const SDL_Scancode code = event.key.keysym.scancode;
        if (code <= SDL_SCANCODE_UNKNOWN || code >= SDL_NUM_SCANCODES) {
            return;
        }
        keyboardDown_[code] = event.type == SDL_KEYDOWN;
        Refresh(code);
        return;
    }
    case SDL_MOUSEMOTION:
        state_.mouseX = event.motion.x;
        state_.mouseY = event.motion.y;
        state_.mouseInWindow = true;
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        state_.mouseX = event.button.x;
        state_.mouseY = event.button.y;
        const int slot = ButtonSlot(event.button.button);
        if (slot < 0) {
            return;
        }
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        if (down && !state_.buttonDown[slot]) {
            state_.buttonPressed[slot] = true;
        }
        state_.buttonDown[slot] = down;
        return;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_ENTER) {
            state_.mouseInWindow = true;
        } else if (event.window.event == SDL_WINDOWEVENT_LEAVE) {
            state_.mouseInWindow = false;
        }
        return;
    default:
        return;
    }
}

void InputTracker::SetPadKey(SDL_Scancode code, bool down)
{
    if (code <= SDL_SCANCODE_UNKNOWN || code >= SDL_NUM_SCANCODES) {
        return;
    }
    padDown_[code] = down;
    Refresh(code);
}

void InputTracker::Refresh(SDL_Scancode code)
{
    const bool down = keyboardDown_[code] || padDown_[code];
    if (down && !state_.keyDown[code]) {
        state_.keyPressed[code] = true;
    }
    state_.keyDown[code] = down;
}

void InputTracker::ReleaseAll()
{
    std::fill(std::begin(keyboardDown_), std::end(keyboardDown_), false);
    std::fill(std::begin(padDown_), std::end(padDown_), false);
    std::fill(std::begin(state_.keyDown), std::end(state_.keyDown), false);
    std::fill(std::begin(state_.buttonDown), std::end(state_.buttonDown), false);
}

void InputTracker::ConsumePresses()
{
    std::fill(std::begin(state_.keyPressed), std::end(state_.keyPressed), false);
    std::fill(std::begin(state_.buttonPressed), std::end(state_.buttonPressed), false);
}

unsigned InputTracker::HeldModifiers(const SDL_Keysym& keysym) const
{
    unsigned held = 0;
    if (AltHeld() || (keysym.mod & KMOD_ALT) != 0) {
        held |= ModAlt;
    }
    if (state_.keyDown[SDL_SCANCODE_LCTRL] || state_.keyDown[SDL_SCANCODE_RCTRL] || (keysym.mod & KMOD_CTRL) != 0) {
        held |= ModControl;
    }
    if (state_.keyDown[SDL_SCANCODE_LSHIFT] || state_.keyDown[SDL_SCANCODE_RSHIFT] ||
        (keysym.mod & KMOD_SHIFT) != 0) {
        held |= ModShift;
    }
    return held;
}

bool InputTracker::AltHeld() const
{
    return state_.keyDown[SDL_SCANCODE_LALT] || state_.keyDown[SDL_SCANCODE_RALT];
}

}  // namespace platform
