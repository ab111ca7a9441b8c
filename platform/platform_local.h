// What the platform's own files share with each other; nothing outside platform/ includes it.
#pragma once

#include <SDL2/SDL.h>

#include <string>

#include "platform/platform.h"

namespace platform {

// The record behind a WindowHandle. Records are never freed, so a handle to a
// destroyed window stays a harmless pointer: it is simply no longer alive.
struct Window {
    SDL_Window* native = nullptr;
    Uint32 id = 0;              // SDL window id, matched against event.window.windowID
    std::string className;
    bool alive = false;
    bool closeRemoved = false;  // RemoveCloseCommand: close requests are dropped
    bool minimised = false;     // as the window's last minimise or restore event said
};

// Starts SDL's video and event subsystems once; false when no video driver works.
bool EnsureVideo();

// True when the video driver shows real windows a person can see and answer
// (not the offscreen or dummy drivers the headless runs use).
bool VideoDriverIsInteractive();

// The window behind a handle when it is alive, else nullptr.
Window* LiveWindow(WindowHandle window);
// The live window with this SDL id, else nullptr.
Window* WindowById(Uint32 id);
// The most recently created live window, else nullptr.
Window* CurrentWindow();

// Finds the hot key of the window for this key and exactly these held
// modifiers (HotKeyModifier bits); its identifier goes to id.
bool MatchHotKey(WindowHandle window, SDL_Scancode key, unsigned heldModifiers, int& id);
// Whether Alt+F4 is registered as a hot key of this window.
bool AltF4Registered(WindowHandle window);
// Drops the window's hot keys (when it is destroyed).
void ForgetHotKeys(WindowHandle window);

// Drops queued messages of a window that has just been destroyed.
void ForgetMessagesOf(WindowHandle window);
// Starts listening for external hot-key messages at ExternalHotKeyAddress().
void ListenForExternalHotKeys();

// The game's icon, 32 x 32, set on every window it creates.
std::vector<uint32_t> GameIconPixels(int& width, int& height);

// True when ProgramFolder() was found through the installed layout
// (<executable folder>/../share/pebbledash), not beside the executable or set.
bool ProgramFolderIsInstalled();

// The pointer's last known position inside the window's client area.
Point TrackedClientPointer();

}  // namespace platform
