// Opening and closing the engine, and turning the scene into a presented picture.
#include "engine/engine_instance.h"

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>

#include "engine/engine_log.h"
#include "engine/image_codec.h"
#include "engine/math3d.h"
#include "engine/physics_world.h"
#include "engine/sound_system.h"
#include "platform/sdl_bridge.h"

namespace engine {
namespace {

Engine*& ActiveInstance() {
    static Engine* instance = nullptr;
    return instance;
}

// The window's drawing area as RGBA rows, top row first (read before the swap).
std::vector<uint8_t> ReadWindowPixels(int width, int height) {
    std::vector<uint8_t> pixels(size_t(std::max(width, 0)) * std::max(height, 0) * 4);
    if (pixels.empty()) return pixels;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    const size_t row = size_t(width) * 4;
    for (int y = 0; y < height / 2; ++y) {
        std::swap_ranges(pixels.begin() + y * row, pixels.begin() + (y + 1) * row,
                         pixels.begin() + (height - 1 - y) * row);
    }
    return pixels;
}

}  // namespace

Engine* Engine::Active() { return ActiveInstance(); }

bool Engine::Open(platform::WindowHandle window) {
    Close();
    SDL_Window* native = platform::NativeWindow(window);
    auto context = std::make_unique<GlContext>();
    std::string error;
    if (!context->Open(native, &error)) {
        EngineLog::Write("cannot open: " + error);
        return false;
    }
    auto engine = std::make_unique<Engine>(std::move(context));
    if (!engine->ready) return false;
    engine->window = window;
    platform::ShowWindow(window, platform::ShowCommand::ShowNormal);
    ActiveInstance() = engine.release();
    return true;
}

void Engine::Close() {
    delete ActiveInstance();
    ActiveInstance() = nullptr;
}

Engine::Engine(std::unique_ptr<GlContext> glContext) : context(std::move(glContext)) {
    std::string error;
    if (!scene_.Build(&error) || !overlay_.Build(&error)) {
        EngineLog::Write("cannot build the shaders: " + error);
        return;
    }
    clock.Start();
    ready = PreparePicture();
    if (!ready) EngineLog::Write("cannot make the picture buffers");
}

Engine::~Engine() {
    // Objects that hold OpenGL names go while the context is still current.
    meshes.Clear();
    sprites.Clear();
    models.Clear();
}

bool Engine::PreparePicture() {
    const DisplayModeRequest fixed = context->FullScreenPicture();
    if (fixed.width > 0 && fixed.height > 0) return picture.Prepare(fixed.width, fixed.height, samples);
    int width = 0, height = 0;
    context->DrawableSize(&width, &height);
    const PixelRect rect = PictureRectIn(width, height);
    return picture.Prepare(rect.width > 0 ? rect.width : 800, rect.height > 0 ? rect.height : 600, samples);
}

PixelRect Engine::ViewportOf(EngineHandle camera) const {
    const Camera* found = cameras.Get(camera);
    const float full[4] = {0, 0, 1, 1};
    const float* v = found ? found->viewport : full;
    const int width = picture.Width(), height = picture.Height();
    PixelRect rect;
    rect.x = int(v[0] * width + 0.5f);
    rect.width = int((v[0] + v[2]) * width + 0.5f) - rect.x;
    const int top = int(v[1] * height + 0.5f);
    const int bottom = int((v[1] + v[3]) * height + 0.5f);
    rect.y = height - bottom;
    rect.height = bottom - top;
    return rect;
}

void Engine::DrawPicture() {
    PreparePicture();
    picture.BindForDrawing();
    glViewport(0, 0, picture.Width(), picture.Height());
    glDepthMask(GL_TRUE);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_CULL_FACE);
    cameras.ForEach([&](EngineHandle handle, Camera& camera) {
        const PixelRect rect = ViewportOf(handle);
        glEnable(GL_SCISSOR_TEST);
        glScissor(rect.x, rect.y, rect.width, rect.height);
        glClear(GL_DEPTH_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
        scene_.Draw(*this, camera, rect);
    });
    overlay_.Draw(*this);
}

void Engine::AfterRunPhase() {
    const float seconds = clock.LastFrame();
    PhysicsFrame(seconds);
    effects.Simulate(seconds, FramesDrawn());
    if (const Camera* camera = cameras.Get(listenerCamera)) {
        SoundListenerUpdate(camera->location, QuatRotate(camera->orientation, {0, 0, 1}),
                            QuatRotate(camera->orientation, {0, 1, 0}));
    }
}

void Engine::Present(const char* what) {
    picture.Resolve();
    int width = 0, height = 0;
    context->DrawableSize(&width, &height);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, width, height);
    // Only bars beside or above the picture need clearing.
    const PixelRect rect = PictureRectIn(width, height);
    if (rect.x > 0 || rect.y > 0 || rect.width < width || rect.height < height) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    picture.BlitTo(rect);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!windowShotPath.empty()) {
        WritePng(windowShotPath, width, height, ReadWindowPixels(width, height));
        windowShotPath.clear();
    }
    context->Swap();
    presented_ = true;
    EngineLog::Presented(what);
}

void Engine::Wipe(float r, float g, float b) {
    PreparePicture();
    picture.BindForDrawing();
    glViewport(0, 0, picture.Width(), picture.Height());
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    picture.Resolve();
    int width = 0, height = 0;
    context->DrawableSize(&width, &height);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT);
    context->Swap();
    presented_ = true;
}

bool Engine::Capture(const std::string& pngPath) {
    if (!presented_) return false;
    return WritePng(pngPath, picture.Width(), picture.Height(), picture.ReadPixels());
}

void Engine::PictureInWindow(float* x, float* y, float* width, float* height) const {
    int windowWidth = 0, windowHeight = 0, drawableWidth = 0, drawableHeight = 0;
    context->WindowSize(&windowWidth, &windowHeight);
    context->DrawableSize(&drawableWidth, &drawableHeight);
    const PixelRect rect = PictureRectIn(drawableWidth, drawableHeight);
    const float sx = drawableWidth > 0 ? float(windowWidth) / float(drawableWidth) : 1.0f;
    const float sy = drawableHeight > 0 ? float(windowHeight) / float(drawableHeight) : 1.0f;
    *x = rect.x * sx;
    *width = rect.width * sx;
    *height = rect.height * sy;
    *y = (drawableHeight - rect.y - rect.height) * sy;
}

}  // namespace engine
