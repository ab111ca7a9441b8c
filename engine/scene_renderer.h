// SceneRenderer: draws one camera's 3D scene: the shown sky box, the visible meshes, then the effects.
//
// The sky box is behind everything; it is drawn after the opaque meshes that come
// before the first shadow caster or blended mesh, only where nothing covers it.
// Meshes draw in priority order (higher later); within one priority opaque meshes
// first, then shadow casters (one shadow pass for each run of them, shadow_pass.h),
// then blended meshes, then oldest first. A mesh blends when its render mode is not
// (2, 1) (one, zero) or its alpha is below 1 (then with source alpha and one minus
// source alpha); blended meshes test depth but do not write it. Faces are not culled.
// A mesh bound to a body is drawn at the body's pose of the moment of drawing.
// Trails and particles come last (effects_renderer.h).
#pragma once

#include <string>
#include <vector>

#include "engine/effects_renderer.h"
#include "engine/math3d.h"
#include "engine/picture_target.h"
#include "engine/shader_program.h"
#include "engine/vertex_store.h"
#include "engine/shadow_pass.h"

namespace engine {

class Engine;
struct Camera;
struct Mesh;

// Vertical field of view, near and far planes of every camera.
constexpr float kFieldOfViewDegrees = 60.0f;
constexpr float kNearPlane = 0.5f;
constexpr float kFarPlane = 10000.0f;

class SceneRenderer {
public:
    SceneRenderer() = default;
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    bool Build(std::string* error);
    void Draw(Engine& engine, const Camera& camera, const PixelRect& viewport);

private:
    // A visible mesh where it stands this frame.
    struct Placed {
        const Mesh* mesh = nullptr;
        Vec3 location;
        Quaternion orientation;
    };

    void DrawSky(Engine& engine, const Camera& camera);
    void DrawMesh(Engine& engine, const Placed& placed, const Mat4& view, float aspect);
    void DrawShadow(Engine& engine, const Placed& placed);

    ShaderProgram program_;
    ShadowPass shadows_;
    EffectsRenderer effects_;
    VertexStore skyVertices_;
    std::vector<Placed> visible_;  // this frame's meshes, kept to spare an allocation a frame
};

}  // namespace engine
