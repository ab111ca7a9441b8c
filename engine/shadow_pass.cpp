// Drawing flattened shadow casters into the picture's alpha, then darkening by it.
#include "engine/shadow_pass.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/model_cache.h"
#include "engine/pull_towards_eye.h"

namespace engine {
namespace {

const char* kVertexDeclarations = R"(#version 330 core
uniform mat4 uModel;
uniform mat4 uView;
uniform mat4 uProjection;
uniform float uPull;
in vec3 aPosition;
)";

const char* kVertexMain = R"(
void main() {
    gl_Position = uProjection * PullTowardsEye(uView * uModel * vec4(aPosition, 1.0), uPull);
}
)";

const char* kFragmentShader = R"(#version 330 core
uniform float uAlpha;
out vec4 fragColor;
void main() {
    fragColor = vec4(0.0, 0.0, 0.0, uAlpha);
}
)";

}  // namespace

bool ShadowPass::Build(std::string* error) {
    const std::string vertexShader = std::string(kVertexDeclarations) + kPullTowardsEyeGlsl + kVertexMain;
    if (!program_.Build(vertexShader.c_str(), kFragmentShader, error)) return false;
    const float corners[] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, -1, 0, 1, 1, 0, -1, 1, 0};
    quadVertices_.Create();
    glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
    glEnableVertexAttribArray(kAttributePosition);
    glVertexAttribPointer(kAttributePosition, 3, GL_FLOAT, GL_FALSE, 3 * sizeof(float), nullptr);
    glBindVertexArray(0);
    return true;
}

Mat4 ShadowPass::Flattening(const Vec3& lightDirection, bool lightSet) {
    Vec3 d = Normalized(lightDirection);
    if (!lightSet || d.y > -0.7071f) d = {0, -1, 0};  // flatter than 45 degrees
    const float h = kTableTop + kShadowLift;
    const float sx = d.x / d.y, sz = d.z / d.y;
    Mat4 m;
    m.at(0, 1) = -sx;
    m.at(0, 3) = sx * h;
    m.at(1, 1) = 0;
    m.at(1, 3) = h;
    m.at(2, 1) = -sz;
    m.at(2, 3) = sz * h;
    return m;
}

float ShadowPass::Darkness(float y, float fadeHeight, float alpha) {
    float fade = 1;
    if (fadeHeight > 0) fade = std::clamp(1 - std::max(0.0f, y - kTableTop) / fadeHeight, 0.0f, 1.0f);
    return kShadowDarkness * fade * std::clamp(alpha, 0.0f, 1.0f);
}

void ShadowPass::Quad(float alpha) {
    const Mat4 identity;
    program_.SetMatrix("uModel", identity.m);
    program_.SetMatrix("uView", identity.m);
    program_.SetMatrix("uProjection", identity.m);
    glUniform1f(program_.Uniform("uPull"), 0);
    glUniform1f(program_.Uniform("uAlpha"), alpha);
    quadVertices_.Bind();
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glBindVertexArray(0);
}

void ShadowPass::Begin(const Mat4& view, const Mat4& projection) {
    view_ = view;
    projection_ = projection;
    program_.Use();
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glDisable(GL_BLEND);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
    Quad(1);  // every pixel keeps all its light so far
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_BLEND);
    glBlendEquationSeparate(GL_FUNC_ADD, GL_MIN);
    program_.SetMatrix("uView", view_.m);
    program_.SetMatrix("uProjection", projection_.m);
    glUniform1f(program_.Uniform("uPull"), kShadowDepthPull);
}

void ShadowPass::Caster(const Model& model, int part, const Mat4& placement, float darkness) {
    if (darkness <= 0) return;
    program_.SetMatrix("uModel", placement.m);
    glUniform1f(program_.Uniform("uAlpha"), 1 - std::min(darkness, 1.0f));
    for (size_t i = 0; i < model.parts.size(); ++i) {
        if (part >= 0 && size_t(part) != i) continue;
        glBindVertexArray(model.parts[i].vertexArray);
        glDrawElements(GL_TRIANGLES, model.parts[i].indexCount, GL_UNSIGNED_INT, nullptr);
    }
    glBindVertexArray(0);
}

void ShadowPass::End() {
    glDisable(GL_DEPTH_TEST);
    glBlendEquation(GL_FUNC_ADD);
    // One pass: the colour times the light each pixel keeps, and the mark back to 1.
    glBlendFuncSeparate(GL_ZERO, GL_DST_ALPHA, GL_ONE, GL_ZERO);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    Quad(1);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace engine
