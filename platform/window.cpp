// The game's one top-level window on SDL: creation, showing, lookup by class name, geometry, icon.
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/platform_local.h"
#include "platform/sdl_bridge.h"

namespace platform {

namespace {

// Used when the window manager reports no title bar (hidden windows, the
// offscreen driver, bare X servers): a typical caption height.
constexpr int kFallbackCaptionHeight = 23;

// Every window record ever made, oldest first. Records outlive their windows
// so that stale handles stay safe to pass in.
std::vector<std::unique_ptr<Window>>& Records()
{
    static std::vector<std::unique_ptr<Window>> records;
    return records;
}

}  // namespace

Window* LiveWindow(WindowHandle window)
{
    if (window == nullptr) {
        return nullptr;
    }
    for (const auto& record : Records()) {
        if (record.get() == window) {
            return record->alive ? record.get() : nullptr;
        }
    }
    return nullptr;
}

Window* WindowById(Uint32 id)
{
    for (const auto& record : Records()) {
        if (record->alive && record->id == id) {
            return record.get();
        }
    }
    return nullptr;
}

Window* CurrentWindow()
{
    auto& records = Records();
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if ((*it)->alive) {
            return it->get();
        }
    }
    return nullptr;
}

SDL_Window* NativeWindow(WindowHandle window)
{
    Window* live = LiveWindow(window);
    return live ? live->native : nullptr;
}

bool WindowMinimised(SDL_Window* native)
{
    if (native == nullptr) {
        return false;
    }
    const Window* record = WindowById(SDL_GetWindowID(native));
    return (record != nullptr && record->minimised) || (SDL_GetWindowFlags(native) & SDL_WINDOW_MINIMIZED) != 0;
}

WindowHandle CreateMainWindow(const WindowConfig& config)
{
    if (!EnsureVideo()) {
        return nullptr;
    }
    // X11 takes the window's class hint from this variable; a user's own choice wins.
    setenv("SDL_VIDEO_X11_WMCLASS", config.className.c_str(), 0);

    // The outer rectangle is the client area plus the caption above it.
    const int caption = CaptionHeight();
    int width = std::max(1, config.right - config.left);
    int height = std::max(1, config.bottom - config.top - caption);
    // The offscreen driver's drawing surface keeps the size its window was made with, so
    // under a simulated desktop the window starts that large: it can then stand in for
    // full screen. The engine sizes it for the chosen display mode before the first frame.
    if (const DesktopInfo desktop = DesktopOf(nullptr); desktop.simulated) {
        width = std::max(width, desktop.width);
        height = std::max(height, desktop.height);
    }
    const int x = config.left;
    const int y = config.top + caption;

    SDL_Window* native = SDL_CreateWindow(config.title.c_str(), x, y, width, height,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (native == nullptr) {
        // No GL-capable surface on this driver: the window still carries messages,
        // and the engine reports its own failure when it cannot make a context.
        native = SDL_CreateWindow(config.title.c_str(), x, y, width, height, SDL_WINDOW_HIDDEN);
    }
    if (native == nullptr) {
        return nullptr;
    }

    auto record = std::make_unique<Window>();
    record->native = native;
    record->id = SDL_GetWindowID(native);
    record->className = config.className;
    record->alive = true;
    Window* handle = record.get();
    Records().push_back(std::move(record));
    int iconWidth = 0, iconHeight = 0;
    SetWindowIcon(handle, GameIconPixels(iconWidth, iconHeight), iconWidth, iconHeight);
    ListenForExternalHotKeys();
    return handle;
}

void DestroyWindow(WindowHandle window)
{
    Window* live = LiveWindow(window);
    if (live == nullptr) {
        return;
    }
    ForgetHotKeys(live);
    ForgetMessagesOf(live);
    SDL_DestroyWindow(live->native);
    live->native = nullptr;
    live->alive = false;
}

void ShowWindow(WindowHandle window, ShowCommand command)
{
    Window* live = LiveWindow(window);
    if (live == nullptr) {
        return;
    }
    switch (command) {
    case ShowCommand::Hide:
        SDL_HideWindow(live->native);
        break;
    case ShowCommand::Minimize:
        // A window manager only iconifies a mapped window, so a hidden one is
        // shown first; it then waits minimised for the user.
        if ((SDL_GetWindowFlags(live->native) & SDL_WINDOW_SHOWN) == 0) {
            SDL_ShowWindow(live->native);
        }
        SDL_MinimizeWindow(live->native);
        break;
    case ShowCommand::ShowNormal:
        SDL_ShowWindow(live->native);
        SDL_RestoreWindow(live->native);
        SDL_RaiseWindow(live->native);
        break;
    }
}

WindowHandle FindWindow(const std::string& className)
{
    auto& records = Records();
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if ((*it)->alive && (*it)->className == className) {
            return it->get();
        }
    }
    return nullptr;
}

void MinimizeWindow(WindowHandle window)
{
    Window* live = LiveWindow(window);
    if (live != nullptr) {
        SDL_MinimizeWindow(live->native);
    }
}

void RemoveCloseCommand(WindowHandle window)
{
    Window* live = LiveWindow(window);
    if (live != nullptr) {
        live->closeRemoved = true;
    }
}

int CaptionHeight()
{
    Window* current = CurrentWindow();
    if (current != nullptr) {
        int top = 0;
        if (SDL_GetWindowBordersSize(current->native, &top, nullptr, nullptr, nullptr) == 0 && top > 0) {
            return top;
        }
    }
    return kFallbackCaptionHeight;
}

Rect GetWindowRect(WindowHandle window)
{
    Window* live = LiveWindow(window);
    if (live == nullptr) {
        return {};
    }
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(live->native, &x, &y);
    SDL_GetWindowSize(live->native, &width, &height);
    return Rect{x, y - CaptionHeight(), x + width, y + height};
}

void SetWindowIcon(WindowHandle window, const std::vector<uint32_t>& rgba, int width, int height)
{
    Window* live = LiveWindow(window);
    if (live == nullptr || width <= 0 || height <= 0 ||
        rgba.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return;
    }
    // SDL only reads the pixels while setting the icon, so the caller's buffer can be borrowed.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(rgba.data()), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) {
        return;
    }
    SDL_SetWindowIcon(live->native, surface);
    SDL_FreeSurface(surface);
}

}  // namespace platform
