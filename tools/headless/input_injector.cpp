// Scripted keys and pointer as SDL events.
#include "input_injector.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "platform/sdl_bridge.h"

namespace {
SDL_Window* GameWindow() { return platform::NativeWindow(platform::FindWindow("Pebbledash")); }

// Where a menu-space point lies in the window: the 4:3 picture is centred with bars.
std::pair<int, int> ClientPixelsOf(SDL_Window* window, double x, double y) {
    int width = 800, height = 600;
    if (window) SDL_GetWindowSize(window, &width, &height);
    const double scale = std::min(width / 4.0, height / 3.0);
    const double pictureWidth = 4 * scale, pictureHeight = 3 * scale;
    const double left = (width - pictureWidth) / 2, top = (height - pictureHeight) / 2;
    const double px = left + (x + 16) / 32 * pictureWidth;
    const double py = top + (12 - y) / 24 * pictureHeight;
    return {static_cast<int>(std::clamp(px, 0.0, width - 1.0)), static_cast<int>(std::clamp(py, 0.0, height - 1.0))};
}

// A window event as the window manager's driver would send it.
void PushWindowEvent(Uint32 windowId, SDL_WindowEventID what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = windowId;
    event.window.event = what;
    SDL_PushEvent(&event);
}

Uint32 RestoreLater(Uint32, void* windowId) {
    PushWindowEvent(static_cast<Uint32>(reinterpret_cast<uintptr_t>(windowId)), SDL_WINDOWEVENT_RESTORED);
    return 0;  // once
}
}  // namespace

int SdlScancodeOf(int code) {
    static const std::array<std::pair<int, SDL_Scancode>, 31> kNamed{{
        {1, SDL_SCANCODE_ESCAPE},     {12, SDL_SCANCODE_MINUS},     {13, SDL_SCANCODE_EQUALS},
        {14, SDL_SCANCODE_BACKSPACE}, {15, SDL_SCANCODE_TAB},       {26, SDL_SCANCODE_LEFTBRACKET},
        {27, SDL_SCANCODE_RIGHTBRACKET}, {28, SDL_SCANCODE_RETURN}, {29, SDL_SCANCODE_LCTRL},
        {39, SDL_SCANCODE_SEMICOLON}, {40, SDL_SCANCODE_APOSTROPHE}, {41, SDL_SCANCODE_GRAVE},
        {42, SDL_SCANCODE_LSHIFT},    {43, SDL_SCANCODE_BACKSLASH}, {51, SDL_SCANCODE_COMMA},
        {52, SDL_SCANCODE_PERIOD},    {53, SDL_SCANCODE_SLASH},     {54, SDL_SCANCODE_RSHIFT},
        {56, SDL_SCANCODE_LALT},      {57, SDL_SCANCODE_SPACE},     {69, SDL_SCANCODE_NUMLOCKCLEAR},
        {87, SDL_SCANCODE_F11},       {88, SDL_SCANCODE_F12},       {157, SDL_SCANCODE_RCTRL},
        {184, SDL_SCANCODE_RALT},     {197, SDL_SCANCODE_PAUSE},    {200, SDL_SCANCODE_UP},
        {203, SDL_SCANCODE_LEFT},     {205, SDL_SCANCODE_RIGHT},    {208, SDL_SCANCODE_DOWN},
        {58, SDL_SCANCODE_CAPSLOCK},
    }};
    static const char* kRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const int kRowStarts[] = {16, 30, 44};
    if (code >= 2 && code <= 10) return SDL_SCANCODE_1 + (code - 2);
    if (code == 11) return SDL_SCANCODE_0;
    if (code >= 59 && code <= 68) return SDL_SCANCODE_F1 + (code - 59);
    for (int row = 0; row < 3; ++row) {
        const int length = static_cast<int>(SDL_strlen(kRows[row]));
        if (code >= kRowStarts[row] && code < kRowStarts[row] + length)
            return SDL_SCANCODE_A + (kRows[row][code - kRowStarts[row]] - 'A');
    }
    for (const auto& [classic, scancode] : kNamed)
        if (classic == code) return scancode;
    return 0;
}

void InputInjector::Push(const ScriptAction& action) {
    SDL_Window* window = GameWindow();
    const Uint32 windowId = window ? SDL_GetWindowID(window) : 0;
    SDL_Event event{};
    switch (action.kind) {
        case ScriptAction::Kind::KeyDown:
        case ScriptAction::Kind::KeyUp: {
            const bool down = action.kind == ScriptAction::Kind::KeyDown;
            event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
            event.key.windowID = windowId;
            event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
            event.key.keysym.scancode = static_cast<SDL_Scancode>(SdlScancodeOf(action.key));
            event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
            SDL_PushEvent(&event);
            break;
        }
        case ScriptAction::Kind::Mouse: {
            std::tie(mouseX_, mouseY_) = ClientPixelsOf(window, action.x, action.y);
            event.type = SDL_MOUSEMOTION;
            event.motion.windowID = windowId;
            event.motion.x = mouseX_;
            event.motion.y = mouseY_;
            event.motion.state = leftDown_ ? SDL_BUTTON_LMASK : 0;
            SDL_PushEvent(&event);
            break;
        }
        case ScriptAction::Kind::Click:
            for (const bool down : {true, false}) {
                event = SDL_Event{};
                event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
                event.button.windowID = windowId;
                event.button.button = SDL_BUTTON_LEFT;
                event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
                event.button.clicks = 1;
                event.button.x = mouseX_;
                event.button.y = mouseY_;
                SDL_PushEvent(&event);
            }
            break;
        case ScriptAction::Kind::PadAttach:
            pad_.Attach();
            break;
        case ScriptAction::Kind::PadDetach:
            pad_.Detach();
            break;
        case ScriptAction::Kind::PadButton:
            pad_.SetButton(static_cast<SDL_GameControllerButton>(action.key), action.x != 0);
            break;
        case ScriptAction::Kind::PadAxis:
            pad_.SetAxis(static_cast<SDL_GameControllerAxis>(action.key), action.x);
            break;
        case ScriptAction::Kind::WindowSize:
            if (window) SDL_SetWindowSize(window, static_cast<int>(action.x), static_cast<int>(action.y));
            break;
        case ScriptAction::Kind::WindowMinimise:
            PushWindowEvent(windowId, SDL_WINDOWEVENT_MINIMIZED);
            // The restore comes from SDL's timer thread: a minimised game draws no frames,
            // so no later script line would ever run.
            SDL_AddTimer(static_cast<Uint32>(action.x), RestoreLater,
                         reinterpret_cast<void*>(static_cast<uintptr_t>(windowId)));
            break;
        case ScriptAction::Kind::WindowFocus:
            PushWindowEvent(windowId, action.x != 0 ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST);
            break;
        case ScriptAction::Kind::Shot:
        case ScriptAction::Kind::Sample:
            break;
    }
}
