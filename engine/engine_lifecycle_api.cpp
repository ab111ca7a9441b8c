// The engine's lifecycle, status and frame functions, and the tools' capture and observers.
#include <SDL2/SDL.h>

#include "engine/engine.h"
#include "engine/engine_instance.h"
#include "engine/engine_log.h"
#include "engine/input_mapper.h"
#include "engine/physics_world.h"
#include "engine/sound_system.h"
#include "platform/sdl_bridge.h"

using engine::Engine;

namespace {

constexpr int kTrue = -1;
constexpr int kEscapeCode = 1;

// Program-wide: the program clears it before each opening.
int& ErrorFlag() {
    static int flag = 0;
    return flag;
}

int Flag(bool value) { return value ? kTrue : 0; }

// Program-wide, like the error flag: the runner sets it once, before the first opening.
bool& DrawingOn() {
    static bool on = true;
    return on;
}

}  // namespace

bool engine::FramesDrawn() { return DrawingOn(); }

int iEngineOpen(platform::WindowHandle window, int) {
    if (!Engine::Open(window)) return 0;
    engine::SoundOpen();
    return kTrue;
}

int iEngineSettings(const int32_t* block) {
    Engine* e = Engine::Active();
    if (!e || !block) return 0;
    e->samples = block[3] == 2 ? 4 : 0;
    e->context->ApplyDisplay(block[4] != 0, block[2]);
    return kTrue;
}

void iEngineMain() {
    Engine* e = Engine::Active();
    if (!e) return;
    e->clock.Tick();
    e->texts.clear();
    if (e->escapeExits && platform::CurrentInput().keyPressed[engine::InputMapper::ToSdlScancode(kEscapeCode)]) {
        e->rendering = false;
    }
    e->executing = e->rendering && e->ready && !e->context->Minimized();
}

void iEngineInitBegin() {}

void iEngineInitEnd() {
    if (Engine* e = Engine::Active()) e->initializing = false;
}

void iEngineRunBegin() {}

// The physics steps run here, after the run phase, so the forces the run phase
// gave act on each of them; effects and the listener follow this frame's objects.
void iEngineRunEnd() {
    Engine* e = Engine::Active();
    if (!e) return;
    platform::ConsumeInputPresses();
    e->AfterRunPhase();
}

void iEngineRender() {
    Engine* e = Engine::Active();
    if (!e || !e->ready) return;
    if (!DrawingOn()) {
        e->texts.clear();
        engine::EngineLog::Presented("frame");
        return;
    }
    e->DrawPicture();
    e->Present("frame");
    e->texts.clear();
}

void iEngineExitBegin() {}
void iEngineExitEnd() {}
// Every object ends: drawing objects and effects with the engine instance, then
// the physics world and the sounds.
void iEngineClose() {
    Engine::Close();
    engine::PhysicsClose();
    engine::SoundClose();
}

int iEngineIsActive() {
    Engine* e = Engine::Active();
    return Flag(e && !e->context->Minimized());
}
int iEngineIsExecuting() {
    Engine* e = Engine::Active();
    return Flag(e && e->executing);
}
int iEngineIsInitializing() {
    Engine* e = Engine::Active();
    return Flag(e && e->initializing);
}
int iEngineIsReady() {
    Engine* e = Engine::Active();
    return Flag(e && e->ready);
}
int iEngineIsRendering() {
    Engine* e = Engine::Active();
    return Flag(e && e->rendering);
}
void iEngineIsRenderingSet(int rendering) {
    if (Engine* e = Engine::Active()) e->rendering = rendering != 0;
}
int iEngineIsSkippingRunPhase() { return 0; }
int iEngineIsSkippingRenderPhase() { return 0; }
int iEngineErrorFlag() { return ErrorFlag(); }
void iEngineErrorFlagSet(int flag) { ErrorFlag() = flag; }
void iExit() { iEngineIsRenderingSet(0); }

void iEscEnable(int enabled) {
    if (Engine* e = Engine::Active()) e->escapeExits = enabled != 0;
}

int iDisplayMode() {
    Engine* e = Engine::Active();
    return e ? e->context->FullScreenWidth() : 0;
}

void iScreenWipe(float r, float g, float b) {
    Engine* e = Engine::Active();
    if (e && e->ready) e->Wipe(r, g, b);
}

void iRender() {
    Engine* e = Engine::Active();
    if (!e || !e->ready) return;
    if (!DrawingOn()) {
        engine::EngineLog::Presented("render");
        return;
    }
    e->DrawPicture();
    e->Present("render");
}

float iFrq() {
    Engine* e = Engine::Active();
    return e ? e->clock.LastFrame() : 0.0f;
}

float iSystemTimer() {
    Engine* e = Engine::Active();
    return e ? e->clock.SinceStart() : 0.0f;
}

void iTextureMipLevelsSet(int levels) {
    if (Engine* e = Engine::Active()) e->textures.SetMipLevels(levels);
}

void iBoundingSphereCollisionCheckSet(int on) {
    if (Engine* e = Engine::Active()) e->cullBySphere = on != 0;
}

void iWindowCaptureNext(const char* pngPath) {
    if (Engine* e = Engine::Active()) e->windowShotPath = pngPath ? pngPath : "";
}

int iFrameCapture(const char* pngPath) {
    Engine* e = Engine::Active();
    return Flag(e && pngPath && e->Capture(pngPath));
}

void iLogObserverSet(std::function<void(const char* line)> observer) {
    engine::EngineLog::SetObserver(std::move(observer));
}

void iPresentObserverSet(std::function<void(const char* what)> observer) {
    engine::EngineLog::SetPresentObserver(std::move(observer));
}

void iEngineDrawingSet(int on) { DrawingOn() = on != 0; }
