// The OpenGL context and the window's display mode, through SDL.
#include "engine/gl_context.h"

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>

#include "engine/engine_log.h"
#include "engine/window_scale.h"
#include "platform/sdl_bridge.h"

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
    // Frames follow the display's refresh where it offers that: adaptive sync first (a
    // late frame is shown at once rather than a whole refresh later), then plain sync,
    // else none. The frame loop measures FrameScale from the clock either way.
    if (SDL_GL_SetSwapInterval(-1) != 0 && SDL_GL_SetSwapInterval(1) != 0) SDL_GL_SetSwapInterval(0);
    return true;
}

void GlContext::ApplyDisplay(bool fullScreen, int32_t modeCode) {
    if (!window_) return;
    picture_ = {};
    const platform::DesktopInfo desktop = platform::DesktopOf(window_);
    if (fullScreen) {
        DisplayModeRequest request;
        if (!DecodeDisplayMode(modeCode, &request)) request = {800, 600, 32};
        if (desktop.simulated) {
            // A headless display cannot change its size: a borderless window of the
            // simulated desktop's size stands in for full screen.
            SDL_SetWindowFullscreen(window_, 0);
            SDL_SetWindowBordered(window_, SDL_FALSE);
            SDL_SetWindowPosition(window_, 0, 0);
            SDL_SetWindowSize(window_, desktop.width, desktop.height);
            picture_ = request;
            return;
        }
        // The desktop's own mode: no mode switch, so leaving the game or switching away
        // never leaves the monitor at another resolution.
        if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0) {
            picture_ = request;
            return;
        }
        EngineLog::Write(std::string("full screen refused, staying in a window: ") + SDL_GetError());
    }
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowBordered(window_, SDL_TRUE);
    const float scale =
        WindowScale(desktop.dpi, desktop.usableWidth, desktop.usableHeight, platform::CaptionHeight());
    SDL_SetWindowSize(window_, int(std::lround(800 * scale)), int(std::lround(600 * scale)));
    // The game places the plain window itself; a grown one is centred again on its display.
    if (scale > 1) {
        const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(display), SDL_WINDOWPOS_CENTERED_DISPLAY(display));
    }
}

bool GlContext::Minimized() const {
    return platform::WindowMinimised(window_);
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
