// Drawing trails and particles as textured, coloured triangles streamed each frame.
#include "engine/effects_renderer.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <unordered_map>

#include "engine/engine_instance.h"

namespace engine {
namespace {

const char* kVertexShader = R"(#version 330 core
uniform mat4 uViewProjection;
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec4 aColor;
layout(location = 2) in vec2 aTexCoord;
out vec4 vColor;
out vec2 vTexCoord;
void main() {
    gl_Position = uViewProjection * vec4(aPosition, 1.0);
    vColor = aColor;
    vTexCoord = aTexCoord;
}
)";

const char* kFragmentShader = R"(#version 330 core
uniform sampler2D uTexture;
in vec4 vColor;
in vec2 vTexCoord;
out vec4 fragColor;
void main() {
    fragColor = texture(uTexture, vTexCoord) * vColor;
}
)";

constexpr int kFloatsPerVertex = 9;  // x, y, z, r, g, b, a, u, v

void Mix(const Vec3& from, const Vec3& to, float t, float alpha, float* rgba) {
    rgba[0] = from.x + (to.x - from.x) * t;
    rgba[1] = from.y + (to.y - from.y) * t;
    rgba[2] = from.z + (to.z - from.z) * t;
    rgba[3] = alpha;
}

}  // namespace

bool EffectsRenderer::Build(std::string* error) {
    if (!program_.Build(kVertexShader, kFragmentShader, error)) return false;
    gpuVertices_.Create();
    const GLsizei stride = kFloatsPerVertex * sizeof(float);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(3 * sizeof(float)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(7 * sizeof(float)));
    glBindVertexArray(0);
    return true;
}

void EffectsRenderer::Draw(Engine& engine, const Camera& camera, const Mat4& viewProjection) {
    program_.Use();
    glUniformMatrix4fv(program_.Uniform("uViewProjection"), 1, GL_FALSE, viewProjection.m);
    glUniform1i(program_.Uniform("uTexture"), 0);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    gpuVertices_.Bind();

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    engine.effects.trails.ForEach([&](EngineHandle handle, Trail& trail) {
        if (!trail.visible) return;
        AddTrail(engine, handle, trail);
        Flush(engine, trail.texture);
    });

    const Vec3 right = QuatRotate(camera.orientation, {1, 0, 0});
    const Vec3 up = QuatRotate(camera.orientation, {0, 1, 0});
    engine.effects.particleSystems.ForEach([&](EngineHandle, ParticleSystem& system) {
        if (!system.visible || system.particles.empty()) return;
        glBlendFunc(GL_SRC_ALPHA, system.renderMode == 0 ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
        AddParticles(system, right, up);
        Flush(engine, system.texture);
    });

    glBindVertexArray(0);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

void EffectsRenderer::AddTrail(Engine& engine, EngineHandle handle, const Trail& trail) {
    struct End {
        Vec3 position, across;
        float rgba[4];
    };
    const float life = trail.lifeTime > 0 ? trail.lifeTime : 1.0f;
    auto endOf = [&](const TrailPoint& point) {
        End end{point.position, point.across, {}};
        const float t = std::clamp(point.age / life, 0.0f, 1.0f);
        Mix(trail.birthColor, trail.deathColor, t, point.alpha * (1 - t), end.rgba);
        return end;
    };
    auto join = [&](const End& a, const End& b) {
        const Vec3 aLeft = Sub(a.position, a.across), aRight = Add(a.position, a.across);
        const Vec3 bLeft = Sub(b.position, b.across), bRight = Add(b.position, b.across);
        Vertex(aLeft, 0, 0, a.rgba);
        Vertex(aRight, 1, 0, a.rgba);
        Vertex(bRight, 1, 1, b.rgba);
        Vertex(aLeft, 0, 0, a.rgba);
        Vertex(bRight, 1, 1, b.rgba);
        Vertex(bLeft, 0, 1, b.rgba);
    };
    // Each point joins the previous point of its own segment.
    std::unordered_map<uint64_t, End> last;
    for (const TrailPoint& point : trail.points) {
        const End end = endOf(point);
        auto found = last.find(point.segment);
        if (found != last.end()) join(found->second, end);
        last[point.segment] = end;
    }
    engine.effects.trailEmitters.ForEach([&](EngineHandle, TrailEmitter& emitter) {
        if (emitter.trail != handle || !engine.effects.HeadLive(emitter)) return;
        auto found = last.find(emitter.segment);
        if (found == last.end()) return;
        End head{emitter.location, EffectsWorld::Across(emitter), {}};
        Mix(trail.birthColor, trail.deathColor, 0, emitter.headAlpha, head.rgba);
        join(found->second, head);
    });
}

void EffectsRenderer::AddParticles(const ParticleSystem& system, const Vec3& right, const Vec3& up) {
    const float life = system.lifeTime > 0 ? system.lifeTime : 1.0f;
    for (const Particle& p : system.particles) {
        const float t = std::clamp(p.age / life, 0.0f, 1.0f);
        float rgba[4];
        Mix(system.birthColor, system.deathColor, t, 1 - t, rgba);
        const float halfWidth = (p.birthSize.x + (p.deathSize.x - p.birthSize.x) * t) / 2;
        const float halfHeight = (p.birthSize.y + (p.deathSize.y - p.birthSize.y) * t) / 2;
        const Vec3 x = Mul(right, halfWidth), y = Mul(up, halfHeight);
        const Vec3 topLeft = Add(Sub(p.position, x), y), topRight = Add(Add(p.position, x), y);
        const Vec3 bottomLeft = Sub(Sub(p.position, x), y), bottomRight = Sub(Add(p.position, x), y);
        Vertex(topLeft, 0, 0, rgba);
        Vertex(topRight, 1, 0, rgba);
        Vertex(bottomRight, 1, 1, rgba);
        Vertex(topLeft, 0, 0, rgba);
        Vertex(bottomRight, 1, 1, rgba);
        Vertex(bottomLeft, 0, 1, rgba);
    }
}

void EffectsRenderer::Vertex(const Vec3& p, float u, float v, const float* rgba) {
    vertices_.insert(vertices_.end(), {p.x, p.y, p.z, rgba[0], rgba[1], rgba[2], rgba[3], u, v});
}

void EffectsRenderer::Flush(Engine& engine, EngineHandle texture) {
    if (vertices_.empty()) return;
    glBindTexture(GL_TEXTURE_2D, engine.textures.GlName(texture));
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices_.size() * sizeof(float)), vertices_.data(), GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, GLsizei(vertices_.size() / kFloatsPerVertex));
    vertices_.clear();
}

}  // namespace engine
