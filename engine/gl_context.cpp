// The OpenGL context and the window's display mode, through SDL.
#include "engine/gl_context.h"

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/display_mode_choice.h"
#include "engine/engine_log.h"

namespace engine {

bool DecodeDisplayMode(int32_t code, DisplayModeRequest* mode) {
    if (code <= 0) return false;
    for (int bits : {32, 16, 24, 8}) {
        if (code % bits != 0) continue;
        const int64_t pixels = code / bits;
        // A 4:3 mode of w x h pixels has w * w * 3 / 4 = pixels.
        const int64_t width = std::llround(std::sqrt(double(pixels) * 4.0 / 3.0));
        if (width % 4 != 0 || width * (width * 3 / 4) != pixels) continue;
        *mode = {int(width), int(width * 3 / 4), bits};
        return true;
    }
    return false;
}

GlContext::~GlContext() {
    if (context_) SDL_GL_DeleteContext(context_);
}

bool GlContext::Open(SDL_Window* window, std::string* error) {
    if (!window) {
        *error = "no window";
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    context_ = SDL_GL_CreateContext(window);
    if (!context_) {
        *error = SDL_GetError();
        return false;
    }
    window_ = window;
    SDL_GL_MakeCurrent(window, context_);
    SDL_GL_SetSwapInterval(0);
    return true;
}

void GlContext::ApplyDisplay(bool fullScreen, int32_t modeCode) {
    if (!window_) return;
    fullScreenWidth_ = 0;
    if (fullScreen) {
        DisplayModeRequest request;
        if (!DecodeDisplayMode(modeCode, &request)) request = {800, 600, 32};
        const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
        std::vector<SDL_DisplayMode> modes;
        std::vector<DisplayModeRequest> offered;
        for (int i = 0, count = SDL_GetNumDisplayModes(display); i < count; ++i) {
            SDL_DisplayMode mode{};
            if (SDL_GetDisplayMode(display, i, &mode) != 0 || mode.w <= 0 || mode.h <= 0) continue;
            modes.push_back(mode);
            offered.push_back({mode.w, mode.h, int(SDL_BITSPERPIXEL(mode.format))});
        }
        // Some drivers list no sized modes at all (offscreen lists one of 0 x 0); the desktop's
        // own mode is always there.
        SDL_DisplayMode desktop{};
        if (modes.empty() && SDL_GetDesktopDisplayMode(display, &desktop) == 0) {
            modes.push_back(desktop);
            offered.push_back({desktop.w, desktop.h, int(SDL_BITSPERPIXEL(desktop.format))});
        }
        // A mode the display lacks must not leave a black screen: the nearest one it has,
        // else a window.
        if (const auto chosen = ChooseFullScreenMode(request, offered)) {
            SDL_DisplayMode mode = modes[*chosen];
            if (SDL_SetWindowDisplayMode(window_, &mode) == 0 &&
                SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0) {
                fullScreenWidth_ = mode.w;
                return;
            }
        }
        EngineLog::Write(std::string("full screen refused, staying in a window: ") + SDL_GetError());
    }
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowSize(window_, 800, 600);
}

bool GlContext::Minimized() const {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0;
}

void GlContext::DrawableSize(int* width, int* height) const {
    *width = *height = 0;
    if (window_) SDL_GL_GetDrawableSize(window_, width, height);
}

void GlContext::WindowSize(int* width, int* height) const {
    *width = *height = 0;
    if (window_) SDL_GetWindowSize(window_, width, height);
}

void GlContext::Swap() {
    if (window_) SDL_GL_SwapWindow(window_);
}

}  // namespace engine
