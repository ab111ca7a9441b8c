// The engine's key, pad and pointer functions, over the input the platform's message pump gathers.
#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>

#include "engine/engine.h"
#include "engine/engine_instance.h"
#include "engine/input_mapper.h"
#include "platform/sdl_bridge.h"

using engine::Engine;

namespace {

int Flag(bool value) { return value ? -1 : 0; }

int Scancode(int code) { return Engine::Active() ? engine::InputMapper::ToSdlScancode(code) : SDL_SCANCODE_UNKNOWN; }

// A pointer coordinate as a fraction of the picture, held to 0..1 and quantised.
float PictureFraction(bool horizontal) {
    Engine* e = Engine::Active();
    if (!e) return 0;
    float x, y, width, height;
    e->PictureInWindow(&x, &y, &width, &height);
    const platform::InputState& input = platform::CurrentInput();
    const float fraction = horizontal ? (width > 0 ? (float(input.mouseX) - x) / width : 0)
                                      : (height > 0 ? (float(input.mouseY) - y) / height : 0);
    float clamped = std::clamp(fraction, 0.0f, 1.0f);
    if (e->mouseResolution > 0) clamped = std::round(clamped * e->mouseResolution) / float(e->mouseResolution);
    return clamped;
}

}  // namespace

int iKeyDown(int code) {
    const int scancode = Scancode(code);
    return Flag(scancode != SDL_SCANCODE_UNKNOWN && platform::CurrentInput().keyDown[scancode]);
}

int iKeyClick(int code) {
    const int scancode = Scancode(code);
    return Flag(scancode != SDL_SCANCODE_UNKNOWN && platform::CurrentInput().keyPressed[scancode]);
}

float iMouseX() { return PictureFraction(true); }
float iMouseY() { return PictureFraction(false); }

int iMouseButtonDown(int button) {
    return Flag(Engine::Active() && button >= 0 && button < 3 && platform::CurrentInput().buttonDown[button]);
}

int iMouseButtonClick(int button) {
    return Flag(Engine::Active() && button >= 0 && button < 3 && platform::CurrentInput().buttonPressed[button]);
}

void iMouseResolutionSet(int pixels) {
    if (Engine* e = Engine::Active()) e->mouseResolution = std::max(pixels, 0);
}

void iPadKeysSet(const PadKeys& keys) {
    const auto key = [](int code) { return static_cast<SDL_Scancode>(engine::InputMapper::ToSdlScancode(code)); };
    platform::PadKeyMap map;
    map.keys[platform::PadLeft] = key(keys.left);
    map.keys[platform::PadRight] = key(keys.right);
    map.keys[platform::PadUp] = key(keys.up);
    map.keys[platform::PadDown] = key(keys.down);
    map.keys[platform::PadRightTrigger] = key(keys.rightTrigger);
    map.keys[platform::PadLeftTrigger] = key(keys.leftTrigger);
    map.keys[platform::PadA] = key(keys.a);
    map.keys[platform::PadB] = key(keys.b);
    map.keys[platform::PadX] = key(keys.x);
    map.keys[platform::PadY] = key(keys.y);
    map.keys[platform::PadStart] = key(keys.start);
    map.keys[platform::PadBack] = key(keys.back);
    platform::SetPadKeyMap(map);
}

int iPadCount() { return platform::ConnectedPads(); }
