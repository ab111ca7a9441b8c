// What the engine and the tools need from the platform's SDL side: the native
// window and the input the message pump collected. Not for game code.
#pragma once

#include <SDL2/SDL.h>

#include "platform/platform.h"

namespace platform {

// The SDL window behind a handle (created with SDL_WINDOW_OPENGL), or nullptr.
SDL_Window* NativeWindow(WindowHandle window);

// Input gathered from the events the message pump took. Keys are indexed by
// SDL_Scancode. "Pressed" entries are press edges since the last ConsumeInputPresses.
struct InputState {
    bool keyDown[SDL_NUM_SCANCODES] = {};
    bool keyPressed[SDL_NUM_SCANCODES] = {};
    int mouseX = 0, mouseY = 0;   // window client pixels, last known
    bool mouseInWindow = false;
    bool buttonDown[3] = {};      // 0 left, 1 right, 2 middle
    bool buttonPressed[3] = {};
};
const InputState& CurrentInput();
void ConsumeInputPresses();

}  // namespace platform
