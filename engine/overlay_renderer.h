// OverlayRenderer: draws the screen overlay over the 3D scene: sprites, then this frame's texts.
//
// Overlay space spans the camera's viewport: x -16 (left) .. 16 (right), y -12
// (bottom) .. 12 (top). Sprites draw in priority order (higher on top; ties oldest
// first), their model's quad scaled and moved, tinted by their colour and blended
// by its alpha. Texts draw after every sprite, in the order printed. A sprite part or
// text whose alpha is 0 (or below) changes no pixel and is not drawn.
#pragma once

#include <string>
#include <vector>

#include "engine/shader_program.h"
#include "engine/vertex_store.h"

namespace engine {

class Engine;
struct Sprite;

constexpr float kOverlayHalfWidth = 16.0f;
constexpr float kOverlayHalfHeight = 12.0f;

class OverlayRenderer {
public:
    OverlayRenderer() = default;
    OverlayRenderer(const OverlayRenderer&) = delete;
    OverlayRenderer& operator=(const OverlayRenderer&) = delete;

    bool Build(std::string* error);
    void Draw(Engine& engine);

private:
    void DrawSprites(Engine& engine);
    void DrawTexts(Engine& engine);

    ShaderProgram program_;
    VertexStore textStore_;
    std::vector<float> textVertices_;
    std::vector<const Sprite*> visible_;  // this frame's sprites, kept to spare an allocation a frame
};

}  // namespace engine
