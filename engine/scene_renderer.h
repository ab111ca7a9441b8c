// SceneRenderer: draws one camera's 3D scene: the shown sky box, then the visible meshes.
//
// Meshes draw in priority order (higher later); within one priority opaque meshes
// before blended ones, then oldest first. A mesh blends when its render mode is not
// (2, 1) (one, zero) or its alpha is below 1 (then with source alpha and one minus
// source alpha); blended meshes test depth but do not write it. Faces are not culled.
#pragma once

#include <string>

#include "engine/math3d.h"
#include "engine/picture_target.h"
#include "engine/shader_program.h"

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
    ~SceneRenderer();

    bool Build(std::string* error);
    void Draw(Engine& engine, const Camera& camera, const PixelRect& viewport);

private:
    void DrawSky(Engine& engine, const Camera& camera);
    void DrawMesh(Engine& engine, const Mesh& mesh, const Mat4& view, float aspect);

    ShaderProgram program_;
    unsigned skyArray_ = 0, skyBuffer_ = 0;
};

}  // namespace engine
