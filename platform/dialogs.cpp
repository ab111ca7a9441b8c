// The Yes/No question box.
#include <cstdio>

#include "platform/platform_local.h"

namespace platform {

MessageBoxAnswer MessageBoxYesNo(const std::string& text, const std::string& caption)
{
    // Without a screen nobody can answer, so the careful answer is No; the text still goes to stderr.
    if (EnsureVideo() && VideoDriverIsInteractive()) {
        const SDL_MessageBoxButtonData buttons[] = {
            {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
        };
        SDL_MessageBoxData box{};
        box.flags = SDL_MESSAGEBOX_WARNING;
        box.window = nullptr;
        box.title = caption.c_str();
        box.message = text.c_str();
        box.numbuttons = 2;
        box.buttons = buttons;
        int pressed = 0;
        if (SDL_ShowMessageBox(&box, &pressed) == 0) {
            return pressed == 1 ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
        }
    }
    std::fprintf(stderr, "%s: %s [answered No]\n", caption.c_str(), text.c_str());
    return MessageBoxAnswer::No;
}

}  // namespace platform
