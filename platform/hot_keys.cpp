// Registered hot keys: key combinations of a window that become HotKey messages.
#include <algorithm>
#include <vector>

#include "platform/platform_local.h"

namespace platform {

namespace {

struct HotKey {
    WindowHandle window = nullptr;
    int id = 0;
    unsigned modifiers = 0;  // HotKeyModifier bits that must be held, and no others
    SDL_Scancode key = SDL_SCANCODE_UNKNOWN;
};

std::vector<HotKey>& HotKeys()
{
    static std::vector<HotKey> hotKeys;
    return hotKeys;
}

SDL_Scancode ScancodeOf(VirtualKey key)
{
    switch (key) {
    case VirtualKey::Tab:
        return SDL_SCANCODE_TAB;
    case VirtualKey::F4:
        return SDL_SCANCODE_F4;
    }
    return SDL_SCANCODE_UNKNOWN;
}

constexpr unsigned kAllModifiers = ModAlt | ModControl | ModShift;

}  // namespace

bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, VirtualKey key)
{
    if (LiveWindow(window) == nullptr) {
        return false;
    }
    const SDL_Scancode scancode = ScancodeOf(key);
    modifiers &= kAllModifiers;
    auto& hotKeys = HotKeys();
    // As on the desktop, one combination belongs to one identifier.
    for (const HotKey& other : hotKeys) {
        if (other.key == scancode && other.modifiers == modifiers &&
            !(other.window == window && other.id == id)) {
            return false;
        }
    }
    for (HotKey& existing : hotKeys) {
        if (existing.window == window && existing.id == id) {
            existing.modifiers = modifiers;
            existing.key = scancode;
            return true;
        }
    }
    hotKeys.push_back(HotKey{window, id, modifiers, scancode});
    return true;
}

void UnregisterHotKey(WindowHandle window, int id)
{
    auto& hotKeys = HotKeys();
    hotKeys.erase(std::remove_if(hotKeys.begin(), hotKeys.end(),
                                 [&](const HotKey& h) { return h.window == window && h.id == id; }),
                  hotKeys.end());
}

void ForgetHotKeys(WindowHandle window)
{
    auto& hotKeys = HotKeys();
    hotKeys.erase(std::remove_if(hotKeys.begin(), hotKeys.end(),
                                 [&](const HotKey& h) { return h.window == window; }),
                  hotKeys.end());
}

bool MatchHotKey(WindowHandle window, SDL_Scancode key, unsigned heldModifiers, int& id)
{
    for (const HotKey& hotKey : HotKeys()) {
        if (hotKey.window == window && hotKey.key == key && hotKey.modifiers == heldModifiers) {
            id = hotKey.id;
            return true;
        }
    }
    return false;
}

bool AltF4Registered(WindowHandle window)
{
    int id = 0;
    return MatchHotKey(window, SDL_SCANCODE_F4, ModAlt, id);
}

}  // namespace platform
