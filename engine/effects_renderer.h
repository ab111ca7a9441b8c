// EffectsRenderer: draws the shown trails and particle systems of one camera's scene.
//
// Drawn after the meshes: depth-tested against them but writing no depth, so
// effects hide behind solid things and never hide each other. Trails blend over
// the scene (skid marks darken it); particles add their light (render mode 0) or
// blend (mode 1). Particles are quads facing the camera.
#pragma once

#include <string>
#include <vector>

#include "engine/math3d.h"
#include "engine/shader_program.h"
#include "engine/vertex_store.h"

namespace engine {

class Engine;
struct Camera;
struct ParticleSystem;
struct Trail;

class EffectsRenderer {
public:
    EffectsRenderer() = default;
    EffectsRenderer(const EffectsRenderer&) = delete;
    EffectsRenderer& operator=(const EffectsRenderer&) = delete;

    bool Build(std::string* error);
    void Draw(Engine& engine, const Camera& camera, const Mat4& viewProjection);

private:
    void AddTrail(Engine& engine, EngineHandle handle, const Trail& trail);
    void AddParticles(const ParticleSystem& system, const Vec3& right, const Vec3& up);
    void Vertex(const Vec3& p, float u, float v, const float* rgba);
    void Flush(Engine& engine, EngineHandle texture);

    ShaderProgram program_;
    VertexStore gpuVertices_;
    std::vector<float> vertices_;
};

}  // namespace engine
