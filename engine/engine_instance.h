// Engine: everything one opening of the engine owns, from the OpenGL context to this frame's texts.
//
// The engine functions reach it through Engine::Active(), which is nullptr while the
// engine is closed; then every function does nothing. Closing destroys the whole
// instance, so no object survives into a later opening.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/effects_world.h"
#include "engine/engine.h"
#include "engine/frame_clock.h"
#include "engine/gl_context.h"
#include "engine/handle_pool.h"
#include "engine/model_cache.h"
#include "engine/overlay_renderer.h"
#include "engine/picture_target.h"
#include "engine/scene_objects.h"
#include "engine/scene_renderer.h"
#include "engine/texture_store.h"

namespace engine {

// Whether frames draw their picture (iEngineDrawingSet): program-wide, like the
// switch itself. The runner turns it off for frames nobody photographs.
bool FramesDrawn();

class Engine {
public:
    static Engine* Active();
    // Opens on the window (closing an earlier opening first); false, with a log line, on failure.
    static bool Open(platform::WindowHandle window);
    static void Close();

    explicit Engine(std::unique_ptr<GlContext> context);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;
    ~Engine();

    // Draws every camera's 3D scene, then the sprites, then this frame's texts, into the picture.
    void DrawPicture();
    // Shows the picture centred in the window and tells the present observer.
    void Present(const char* what);
    void Wipe(float r, float g, float b);
    bool Capture(const std::string& pngPath);
    // Where the picture lies in the window, in window coordinates from the top-left.
    void PictureInWindow(float* x, float* y, float* width, float* height) const;
    // The pixel rectangle of a camera's viewport inside the picture; the whole
    // picture for 0 or a stale camera.
    PixelRect ViewportOf(EngineHandle camera) const;
    uint64_t NextSerial() { return ++serial_; }
    // The frame's work after the run phase: the physics steps, the effects, and the
    // listener on its camera.
    void AfterRunPhase();

    std::unique_ptr<GlContext> context;  // first, so it is destroyed last
    platform::WindowHandle window = nullptr;
    PictureTarget picture;
    TextureStore textures;
    ModelCache models;
    HandlePool<Camera> cameras{HandleFamily::Camera};
    HandlePool<Mesh> meshes{HandleFamily::Mesh};
    HandlePool<Sprite> sprites{HandleFamily::Sprite};
    HandlePool<Font> fonts{HandleFamily::Font};
    HandlePool<SkyBox> skyBoxes{HandleFamily::SkyBox};
    EffectsWorld effects;
    std::vector<PrintedText> texts;  // this frame's
    float printColor[4] = {1, 1, 1, 1};
    EngineHandle shownSkyBox = 0;
    EngineHandle listenerCamera = 0;  // 3D sound is heard from here
    Light light;
    bool cullBySphere = false;
    int samples = 0;
    FrameClock clock;
    bool ready = false;
    bool initializing = true;
    bool executing = false;
    bool rendering = true;
    bool escapeExits = true;
    int mouseResolution = 0;
    // When set, the next presented frame also writes the whole window, bars included,
    // to this PNG (iWindowCaptureNext).
    std::string windowShotPath;

private:
    bool PreparePicture();

    SceneRenderer scene_;
    OverlayRenderer overlay_;
    bool presented_ = false;
    uint64_t serial_ = 0;
};

}  // namespace engine
