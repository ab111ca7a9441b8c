// What the engine and the tools need from the platform's SDL side: the native
// window and the input the message pump collected. Not for game code.
#pragma once

#include <SDL2/SDL.h>

#include "platform/platform.h"

namespace platform {

// The SDL window behind a handle (created with SDL_WINDOW_OPENGL), or nullptr.
SDL_Window* NativeWindow(WindowHandle window);
// Whether a window stands minimised: by SDL's flags, or by the last minimise or restore
// event the message pump took for it (drivers without real windows send only the event).
bool WindowMinimised(SDL_Window* native);

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

// The controls of a game pad that press keys. Left, Right, Up and Down are the left
// stick and the D-pad together.
enum PadControl : int {
    PadLeft, PadRight, PadUp, PadDown,
    PadRightTrigger, PadLeftTrigger,
    PadA, PadB, PadX, PadY, PadStart, PadBack,
    PadControlCount
};
// The key each control presses; SDL_SCANCODE_UNKNOWN for none.
struct PadKeyMap {
    SDL_Scancode keys[PadControlCount] = {};
    bool operator==(const PadKeyMap&) const = default;
};
// The pump's pads press the keys of this map from now on (see PadTracker).
void SetPadKeyMap(const PadKeyMap& map);
int ConnectedPads();

// The display a window is on (nullptr: the first display). Sizes in desktop pixels;
// dpi is the horizontal pixel density, 96 when the display does not tell.
struct DesktopInfo {
    int width = 800, height = 600;              // the desktop's own mode
    int usableWidth = 800, usableHeight = 600;  // less the panels and docks
    float dpi = 96;
    bool simulated = false;                     // SimulateDesktop is in force
};
DesktopInfo DesktopOf(SDL_Window* window);
// Test seam for headless runs, whose display is fixed: from now on DesktopOf and
// DesktopSize report this display (dpi 0 means 96), and the engine stands a borderless
// window of this size in for full screen. A width or height of 0 ends the simulation.
void SimulateDesktop(int width, int height, float dpi);

}  // namespace platform
