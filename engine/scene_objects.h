// The records behind camera, mesh, sprite, font and sky box handles, and this frame's texts.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/engine.h"
#include "engine/model_cache.h"
#include "formats/wid_font.h"

namespace engine {

struct Camera {
    Vec3 location;
    Quaternion orientation;
    float viewport[4] = {0, 0, 1, 1};  // x, y from the picture's top-left, width, height: fractions
};

struct Light {
    bool set = false;    // until iLightDirectionalSet, every part is drawn unlit
    Vec3 direction{0, -1, 0};
    float color[4] = {1, 1, 1, 1};  // r, g, b, ambient share
};

// Classic blend factor numbers: 1 zero, 2 one, 3 source colour, 4 one minus source
// colour, 5 source alpha, 6 one minus source alpha, 7 destination alpha, 8 one
// minus destination alpha, 9 destination colour, 10 one minus destination colour.
constexpr int kBlendZero = 1;
constexpr int kBlendOne = 2;

struct Mesh {
    std::shared_ptr<const Model> model;
    int part = -1;  // -1 every part
    EngineHandle texture = 0;
    Vec3 location;
    Vec3 scale{1, 1, 1};
    Quaternion orientation;
    int sourceBlend = kBlendOne, destinationBlend = kBlendZero;
    int priority = 0;
    float zBias = 0;
    float alpha = 1;
    bool visible = false;
    uint64_t serial = 0;  // creation order: ties of priority draw oldest first
    // Bound to a physics body: drawn at the body's pose, read when drawing (its own
    // location and orientation are then unused); nothing while the body is gone.
    EngineHandle body = 0;
    bool shadow = false;       // a shadow caster: flattened onto the table, dark (shadow_pass.h)
    float fadeHeight = 0;      // shadow casters: height above the table where the shadow is gone
};

struct Sprite {
    std::shared_ptr<const Model> model;
    EngineHandle texture = 0;
    EngineHandle camera = 0;
    Vec2 location;
    Vec2 scale{1, 1};
    float color[4] = {1, 1, 1, 1};
    int priority = 0;
    bool visible = false;
    uint64_t serial = 0;
};

struct Font {
    EngineHandle texture = 0;  // the glyph atlas
    EngineHandle camera = 0;
    uint32_t emPixels = 1;
    std::array<formats::WidGlyph, 256> glyphs{};
};

struct SkyBox {
    std::array<EngineHandle, 6> faces{};  // in formats::SkyFace order
};

struct PrintedText {
    std::string text;
    Vec2 location, size;
    float spacing = 0;
    EngineHandle font = 0;
    float color[4] = {1, 1, 1, 1};
};

}  // namespace engine
