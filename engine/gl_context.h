// GlContext: the OpenGL 3.3 core context on the program's window, and the window's display mode.
#pragma once

#include <cstdint>
#include <string>

struct SDL_Window;

namespace engine {

// A full-screen mode as the program codes it: width x height x bits per pixel
// (800 x 600 x 32 = 15 360 000). Only 4:3 sizes and 8, 16, 24 or 32 bits decode.
struct DisplayModeRequest {
    int width = 0, height = 0, bits = 0;
};
bool DecodeDisplayMode(int32_t code, DisplayModeRequest* mode);

class GlContext {
public:
    GlContext() = default;
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;
    ~GlContext();

    // Creates the context on the window and makes it current; false with a reason.
    bool Open(SDL_Window* window, std::string* error);
    // Windowed: an 800 x 600 client area, larger on dense displays (WindowScale).
    // Full screen: the desktop's own mode, never a mode switch; the picture is then drawn
    // at the size the mode code asks for (800 x 600 when it decodes to none) and scaled
    // into the screen with bars keeping 4:3. When full screen is refused, a window.
    void ApplyDisplay(bool fullScreen, int32_t modeCode);
    int FullScreenWidth() const { return picture_.width; }  // 0 when windowed
    // The picture's fixed size in full screen; 0 x 0 when windowed (the picture then
    // fills the window's drawing area).
    DisplayModeRequest FullScreenPicture() const { return picture_; }
    bool Minimized() const;
    void DrawableSize(int* width, int* height) const;  // pixels of the window's drawing area
    void WindowSize(int* width, int* height) const;    // the same in window coordinates
    void Swap();
    SDL_Window* Window() const { return window_; }

private:
    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;
    DisplayModeRequest picture_;
};

}  // namespace engine
