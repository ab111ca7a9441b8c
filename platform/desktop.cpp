// The display the game's window is on: its size, usable area and pixel density, and a
// stand-in display for headless runs.
#include <algorithm>

#include "platform/platform_local.h"
#include "platform/sdl_bridge.h"

namespace platform {

namespace {

// The density desktops are laid out for: one window pixel per display pixel.
constexpr float kBaseDpi = 96;

struct Simulated {
    bool on = false;
    DesktopInfo info;
};

Simulated& TheSimulation()
{
    static Simulated simulated;
    return simulated;
}

int DisplayOf(SDL_Window* window)
{
    return window != nullptr ? std::max(0, SDL_GetWindowDisplayIndex(window)) : 0;
}

}  // namespace

void SimulateDesktop(int width, int height, float dpi)
{
    Simulated& simulated = TheSimulation();
    simulated.on = width > 0 && height > 0;
    simulated.info = DesktopInfo{width, height, width, height, dpi > 0 ? dpi : kBaseDpi, true};
}

DesktopInfo DesktopOf(SDL_Window* window)
{
    if (TheSimulation().on) {
        return TheSimulation().info;
    }
    DesktopInfo info;
    info.dpi = kBaseDpi;
    if (!EnsureVideo()) {
        return info;
    }
    const int display = DisplayOf(window);
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display, &mode) == 0 && mode.w > 0 && mode.h > 0) {
        info.width = mode.w;
        info.height = mode.h;
    }
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(display, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        info.usableWidth = usable.w;
        info.usableHeight = usable.h;
    } else {
        info.usableWidth = info.width;
        info.usableHeight = info.height;
    }
    // Horizontal density: X servers often report a nonsense diagonal one.
    float horizontal = 0;
    if (SDL_GetDisplayDPI(display, nullptr, &horizontal, nullptr) == 0 && horizontal > 0) {
        info.dpi = horizontal;
    }
    return info;
}

Point DesktopSize()
{
    Window* current = CurrentWindow();
    const DesktopInfo info = DesktopOf(current != nullptr ? current->native : nullptr);
    return Point{info.width, info.height};
}

}  // namespace platform
