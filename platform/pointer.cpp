// The system pointer: its desktop position and whether it is drawn.
#include <cstring>

#include "platform/platform_local.h"

namespace platform {

namespace {

// Drivers that can report where the pointer is on the whole desktop. Elsewhere
// (offscreen, Wayland) SDL would answer with window-relative numbers instead.
bool DriverReportsGlobalPointer()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr &&
           (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "windows") == 0 ||
            std::strcmp(driver, "cocoa") == 0);
}

}  // namespace

Point CursorPosition()
{
    if (EnsureVideo() && DriverReportsGlobalPointer()) {
        Point position;
        SDL_GetGlobalMouseState(&position.x, &position.y);
        return position;
    }
    // The client area's top-left corner plus where the pump last saw the pointer inside it.
    Point position = TrackedClientPointer();
    if (Window* window = CurrentWindow()) {
        int x = 0, y = 0;
        SDL_GetWindowPosition(window->native, &x, &y);
        position.x += x;
        position.y += y;
    }
    return position;
}

void ShowSystemPointer(bool visible)
{
    if (!EnsureVideo()) {
        return;
    }
    // The game asks every frame; only a change goes to the display.
    const int wanted = visible ? SDL_ENABLE : SDL_DISABLE;
    if (SDL_ShowCursor(SDL_QUERY) != wanted) {
        SDL_ShowCursor(wanted);
    }
}

}  // namespace platform
