// SDL start-up for the platform: video, events and game pads, once, on first use.
#include <cstring>

#include "platform/platform_local.h"

namespace platform {

bool EnsureVideo()
{
    if (SDL_WasInit(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == (SDL_INIT_VIDEO | SDL_INIT_EVENTS)) {
        return true;
    }
    // Closing a window is a message to the window procedure, never a quit on its
    // own; SDL_QUIT then only comes from a termination signal.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        return false;
    }
    // Game pads are optional: without the subsystem the keyboard still plays. Pads present
    // now arrive as added-device events, like those plugged in later.
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    return true;
}

bool VideoDriverIsInteractive()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) {
        return false;
    }
    return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0 &&
           std::strcmp(driver, "evdev") != 0;
}

}  // namespace platform
