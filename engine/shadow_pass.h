// ShadowPass: darkens the table under shadow casters, each pixel at most once.
//
// Each caster mesh is flattened onto the table top (the plane y = kTableTop),
// along the light's direction when the light falls steeply enough, else straight
// down. The casters of a pass first mark, in the picture's alpha, how much light
// each pixel keeps: the darkest caster over a pixel wins, so overlapping parts
// and overlapping casters never darken twice. Closing the pass multiplies the
// picture by that mark and clears it. The flattened mesh is tested against the
// depth of what was drawn before (a shadow hides under a barrier) and pulled a
// little towards the eye so that it wins against the table and the road on it.
#pragma once

#include <string>

#include "engine/math3d.h"
#include "engine/shader_program.h"
#include "engine/vertex_store.h"

namespace engine {

class Model;

constexpr float kTableTop = -50.0f;        // every track stands on the table top
constexpr float kShadowDarkness = 0.5f;    // share of the light a shadow takes at the table
constexpr float kShadowLift = 0.02f;       // the flattened mesh lies this far above the table
constexpr float kShadowDepthPull = 0.25f;  // and is pulled this far towards the eye in depth tests

class ShadowPass {
public:
    ShadowPass() = default;
    ShadowPass(const ShadowPass&) = delete;
    ShadowPass& operator=(const ShadowPass&) = delete;

    bool Build(std::string* error);
    void Begin(const Mat4& view, const Mat4& projection);
    // placement: where the caster stands (before flattening); darkness 0..1, the share of light taken.
    void Caster(const Model& model, int part, const Mat4& placement, float darkness);
    void End();

    // Flattening onto the table along lightDirection (at least 45 degrees below the horizontal), else straight down.
    static Mat4 Flattening(const Vec3& lightDirection, bool lightSet);
    // The darkness of a caster whose body stands at height y above the table, fading to
    // nothing at fadeHeight (fadeHeight 0 or less: no fading).
    static float Darkness(float y, float fadeHeight, float alpha);

private:
    void Quad(float alpha);

    ShaderProgram program_;
    VertexStore quadVertices_;
    Mat4 view_, projection_;
};

}  // namespace engine
