// Drawing the sky box and the meshes.
#include "engine/scene_renderer.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/engine_instance.h"
#include "engine/physics_world.h"
#include "engine/pull_towards_eye.h"

namespace engine {
namespace {

const char* kVertexDeclarations = R"(#version 330 core
uniform mat4 uModel;
uniform mat4 uView;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;
uniform float uZBias;
in vec3 aPosition;
in vec3 aNormal;
in vec2 aTexCoord;
out vec3 vNormal;
out vec2 vTexCoord;
)";

const char* kVertexMain = R"(
void main() {
    gl_Position = uProjection * PullTowardsEye(uView * uModel * vec4(aPosition, 1.0), uZBias);
    vNormal = uNormalMatrix * aNormal;
    vTexCoord = aTexCoord;
}
)";

const char* kFragmentShader = R"(#version 330 core
uniform sampler2D uTexture;
uniform vec4 uColor;
uniform bool uLit;
uniform vec3 uLightDirection;
uniform vec4 uLightColor;
in vec3 vNormal;
in vec2 vTexCoord;
out vec4 fragColor;
void main() {
    vec4 color = texture(uTexture, vTexCoord) * uColor;
    if (uLit) {
        float facing = max(dot(normalize(vNormal), -uLightDirection), 0.0);
        color.rgb *= uLightColor.rgb * (uLightColor.a + (1.0 - uLightColor.a) * facing);
    }
    fragColor = color;
}
)";

// The sky box: six faces of a cube round the eye, as seen from inside (see sky_box_file.h).
// Per vertex x, y, z, normal (unused), u, v; each face two triangles.
std::vector<float> SkyCube() {
    const float corners[6][4][3] = {
        {{1, 1, 1}, {1, 1, -1}, {1, -1, -1}, {1, -1, 1}},        // right: top-left, top-right, bottom-right, bottom-left
        {{-1, 1, -1}, {-1, 1, 1}, {-1, -1, 1}, {-1, -1, -1}},    // left
        {{-1, 1, -1}, {1, 1, -1}, {1, 1, 1}, {-1, 1, 1}},        // top
        {{-1, -1, 1}, {1, -1, 1}, {1, -1, -1}, {-1, -1, -1}},    // bottom
        {{-1, 1, 1}, {1, 1, 1}, {1, -1, 1}, {-1, -1, 1}},        // front
        {{1, 1, -1}, {-1, 1, -1}, {-1, -1, -1}, {1, -1, -1}},    // back
    };
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const int order[6] = {0, 1, 2, 0, 2, 3};
    std::vector<float> vertices;
    for (const auto& face : corners) {
        for (int i : order) {
            vertices.insert(vertices.end(), {face[i][0], face[i][1], face[i][2], 0, 0, 0, uv[i][0], uv[i][1]});
        }
    }
    return vertices;
}

GLenum BlendFactor(int code) {
    switch (code) {
        case 1: return GL_ZERO;
        case 3: return GL_SRC_COLOR;
        case 4: return GL_ONE_MINUS_SRC_COLOR;
        case 5: return GL_SRC_ALPHA;
        case 6: return GL_ONE_MINUS_SRC_ALPHA;
        case 7: return GL_DST_ALPHA;
        case 8: return GL_ONE_MINUS_DST_ALPHA;
        case 9: return GL_DST_COLOR;
        case 10: return GL_ONE_MINUS_DST_COLOR;
        default: return GL_ONE;
    }
}

bool Blended(const Mesh& mesh) {
    return mesh.alpha < 1 || mesh.sourceBlend != kBlendOne || mesh.destinationBlend != kBlendZero;
}

// Within one priority: opaque meshes, then shadow casters, then blended meshes.
int Stage(const Mesh& mesh) { return mesh.shadow ? 1 : Blended(mesh) ? 2 : 0; }

// True when a sphere (view space) lies wholly outside the view volume.
bool OutsideView(const Vec3& centre, float radius, float aspect) {
    if (centre.z + radius < kNearPlane || centre.z - radius > kFarPlane) return true;
    const float tanV = std::tan(kFieldOfViewDegrees * kDegrees / 2), tanH = tanV * aspect;
    const float normH = std::sqrt(1 + tanH * tanH), normV = std::sqrt(1 + tanV * tanV);
    return (std::abs(centre.x) - centre.z * tanH) / normH > radius ||
           (std::abs(centre.y) - centre.z * tanV) / normV > radius;
}

}  // namespace

bool SceneRenderer::Build(std::string* error) {
    const std::string vertexShader = std::string(kVertexDeclarations) + kPullTowardsEyeGlsl + kVertexMain;
    if (!program_.Build(vertexShader.c_str(), kFragmentShader, error)) return false;
    if (!shadows_.Build(error) || !effects_.Build(error)) return false;
    const std::vector<float> cube = SkyCube();
    skyVertices_.Create();
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(cube.size() * sizeof(float)), cube.data(), GL_STATIC_DRAW);
    const GLsizei stride = 8 * sizeof(float);
    glEnableVertexAttribArray(kAttributePosition);
    glVertexAttribPointer(kAttributePosition, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    glEnableVertexAttribArray(kAttributeNormal);
    glVertexAttribPointer(kAttributeNormal, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(12));
    glEnableVertexAttribArray(kAttributeTexCoord);
    glVertexAttribPointer(kAttributeTexCoord, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(24));
    glBindVertexArray(0);
    return true;
}

void SceneRenderer::Draw(Engine& engine, const Camera& camera, const PixelRect& viewport) {
    if (viewport.width <= 0 || viewport.height <= 0) return;
    glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    const float aspect = float(viewport.width) / float(viewport.height);
    const Mat4 projection = MatPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);
    const Mat4 view = MatView(camera.location, camera.orientation);
    program_.Use();
    glUniform1i(program_.Uniform("uTexture"), 0);
    glActiveTexture(GL_TEXTURE0);
    program_.SetMatrix("uProjection", projection.m);
    program_.SetMatrix("uView", view.m);
    const Light& light = engine.light;
    const Vec3 direction = Normalized(light.direction);
    glUniform3f(program_.Uniform("uLightDirection"), direction.x, direction.y, direction.z);
    glUniform4fv(program_.Uniform("uLightColor"), 1, light.color);
    std::vector<Placed>& visible = visible_;
    visible.clear();
    engine.meshes.ForEach([&](EngineHandle, Mesh& mesh) {
        if (!mesh.visible || !mesh.model) return;
        Placed placed{&mesh, mesh.location, mesh.orientation};
        if (mesh.body && !PhysicsBodyPose(mesh.body, &placed.location, &placed.orientation)) return;
        visible.push_back(placed);
    });
    std::sort(visible.begin(), visible.end(), [](const Placed& a, const Placed& b) {
        if (a.mesh->priority != b.mesh->priority) return a.mesh->priority < b.mesh->priority;
        if (Stage(*a.mesh) != Stage(*b.mesh)) return Stage(*a.mesh) < Stage(*b.mesh);
        return a.mesh->serial < b.mesh->serial;
    });
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    // The sky goes in after the opaque meshes in front of it and before anything that
    // blends over it (see DrawSky).
    bool skyDrawn = false;
    const auto drawSky = [&] {
        if (skyDrawn) return;
        skyDrawn = true;
        DrawSky(engine, camera);
        program_.SetMatrix("uView", view.m);
    };
    for (size_t i = 0; i < visible.size(); ++i) {
        if (Stage(*visible[i].mesh) != 0) drawSky();
        if (!visible[i].mesh->shadow) {
            DrawMesh(engine, visible[i], view, aspect);
            continue;
        }
        if (i == 0 || !visible[i - 1].mesh->shadow) shadows_.Begin(view, projection);
        DrawShadow(engine, visible[i]);
        if (i + 1 == visible.size() || !visible[i + 1].mesh->shadow) {
            shadows_.End();
            program_.Use();
        }
    }
    drawSky();
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    effects_.Draw(engine, camera, MatMul(projection, view));
}

void SceneRenderer::DrawShadow(Engine& engine, const Placed& placed) {
    const Mesh& mesh = *placed.mesh;
    const float darkness = ShadowPass::Darkness(placed.location.y, mesh.fadeHeight, mesh.alpha);
    const Mat4 placement = MatMul(ShadowPass::Flattening(engine.light.direction, engine.light.set),
                                  MatPlacement(placed.location, placed.orientation, mesh.scale));
    shadows_.Caster(*mesh.model, mesh.part, placement, darkness);
}

void SceneRenderer::DrawSky(Engine& engine, const Camera& camera) {
    const SkyBox* sky = engine.skyBoxes.Get(engine.shownSkyBox);
    if (!sky) return;
    // The box stands round the eye and turns with the view only. It is drawn behind
    // everything: its depth is the far plane's (a depth range of 1..1) and it leaves
    // the depth buffer untouched, so it shows exactly where no opaque mesh has drawn,
    // as if it had been drawn first, but the pixels those meshes cover are never
    // shaded for it.
    program_.SetMatrix("uView", MatView({}, camera.orientation).m);
    program_.SetMatrix("uModel", MatScale({10, 10, 10}).m);
    glUniform1f(program_.Uniform("uZBias"), 0);
    glUniform1i(program_.Uniform("uLit"), 0);
    glUniform4f(program_.Uniform("uColor"), 1, 1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glDepthRange(1, 1);
    glDisable(GL_BLEND);
    skyVertices_.Bind();
    for (int face = 0; face < 6; ++face) {
        glBindTexture(GL_TEXTURE_2D, engine.textures.GlName(sky->faces[face]));
        glDrawArrays(GL_TRIANGLES, face * 6, 6);
    }
    glBindVertexArray(0);
    glDepthRange(0, 1);
    glDepthMask(GL_TRUE);
}

void SceneRenderer::DrawMesh(Engine& engine, const Placed& placed, const Mat4& view, float aspect) {
    const Mesh& mesh = *placed.mesh;
    const Mat4 model = MatPlacement(placed.location, placed.orientation, mesh.scale);
    program_.SetMatrix("uModel", model.m);
    // Normals: the inverse scale, then the rotation; a flattened axis turns normals onto it.
    auto inverse = [](float s) { return 1.0f / (std::abs(s) > 1e-6f ? s : std::copysign(1e-6f, s)); };
    const Mat4 normalMatrix = MatMul(MatRotation(placed.orientation),
                                     MatScale({inverse(mesh.scale.x), inverse(mesh.scale.y), inverse(mesh.scale.z)}));
    float normal3[9];
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) normal3[c * 3 + r] = normalMatrix.at(r, c);
    }
    glUniformMatrix3fv(program_.Uniform("uNormalMatrix"), 1, GL_FALSE, normal3);
    glUniform1f(program_.Uniform("uZBias"), mesh.zBias);
    if (Blended(mesh)) {
        glEnable(GL_BLEND);
        const bool plain = mesh.sourceBlend == kBlendOne && mesh.destinationBlend == kBlendZero;
        glBlendFunc(plain ? GL_SRC_ALPHA : BlendFactor(mesh.sourceBlend),
                    plain ? GL_ONE_MINUS_SRC_ALPHA : BlendFactor(mesh.destinationBlend));
        glDepthMask(GL_FALSE);
    } else {
        glDisable(GL_BLEND);
        glDepthMask(GL_TRUE);
    }
    const float largestScale = std::max({std::abs(mesh.scale.x), std::abs(mesh.scale.y), std::abs(mesh.scale.z)});
    const Mat4 modelView = MatMul(view, model);
    const auto& parts = mesh.model->parts;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (mesh.part >= 0 && size_t(mesh.part) != i) continue;
        const ModelPart& part = parts[i];
        if (engine.cullBySphere &&
            OutsideView(MatTransformPoint(modelView, part.centre), part.radius * largestScale, aspect)) {
            continue;
        }
        const EngineHandle texture = engine.textures.Get(mesh.texture) ? mesh.texture : part.texture;
        glBindTexture(GL_TEXTURE_2D, engine.textures.GlName(texture));
        glUniform4f(program_.Uniform("uColor"), part.diffuse[0], part.diffuse[1], part.diffuse[2],
                    part.diffuse[3] * mesh.alpha);
        glUniform1i(program_.Uniform("uLit"), part.lit && engine.light.set);
        glBindVertexArray(part.vertexArray);
        glDrawElements(GL_TRIANGLES, part.indexCount, GL_UNSIGNED_INT, nullptr);
    }
    glBindVertexArray(0);
}

}  // namespace engine
