// The engine's camera, light, sky box, texture and mesh functions.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/engine.h"
#include "engine/engine_instance.h"
#include "engine/engine_log.h"
#include "engine/math3d.h"
#include "engine/physics_world.h"
#include "formats/sky_box_file.h"
#include "platform/platform.h"

using engine::Engine;

namespace {

engine::Camera* FindCamera(EngineHandle camera) {
    Engine* e = Engine::Active();
    return e ? e->cameras.Get(camera) : nullptr;
}

engine::Mesh* FindMesh(EngineHandle mesh) {
    Engine* e = Engine::Active();
    return e ? e->meshes.Get(mesh) : nullptr;
}

std::string FolderOf(const std::string& programPath) {
    const size_t slash = programPath.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
}

EngineHandle CreateMesh(const char* file, int part) {
    Engine* e = Engine::Active();
    if (!e || !file) return 0;
    auto model = e->models.Get(file, e->textures);
    if (!model) return 0;
    // Asking past the last part is how callers find the end of a file's part list:
    // no mesh, and nothing to report.
    if (part >= 0 && size_t(part) >= model->parts.size()) return 0;
    engine::Mesh mesh;
    mesh.model = std::move(model);
    mesh.part = part;
    mesh.serial = e->NextSerial();
    return e->meshes.Add(std::move(mesh));
}

}  // namespace

EngineHandle iCameraCreate(float x, float y, float width, float height) {
    Engine* e = Engine::Active();
    if (!e) return 0;
    engine::Camera camera;
    camera.viewport[0] = std::clamp(x, 0.0f, 1.0f);
    camera.viewport[1] = std::clamp(y, 0.0f, 1.0f);
    camera.viewport[2] = std::clamp(width, 0.0f, 1.0f - camera.viewport[0]);
    camera.viewport[3] = std::clamp(height, 0.0f, 1.0f - camera.viewport[1]);
    return e->cameras.Add(camera);
}

Vec3 iCameraLocation(EngineHandle camera) {
    const engine::Camera* found = FindCamera(camera);
    return found ? found->location : Vec3{};
}

void iCameraLocationSet(EngineHandle camera, const Vec3& location) {
    if (engine::Camera* found = FindCamera(camera)) found->location = location;
}

void iCameraLookAt(EngineHandle camera, const Vec3& target, float blend) {
    engine::Camera* found = FindCamera(camera);
    if (!found) return;
    const Vec3 direction = engine::Sub(target, found->location);
    if (engine::Length(direction) == 0) return;
    const Quaternion wanted = iQuaternionLookAt(direction, nullptr);
    found->orientation = engine::QuatSlerp(found->orientation, wanted, std::clamp(blend, 0.0f, 1.0f));
}

Quaternion iCameraOrientation(EngineHandle camera) {
    const engine::Camera* found = FindCamera(camera);
    return found ? found->orientation : Quaternion{};
}

void iCameraOrientationSet(EngineHandle camera, const Quaternion& orientation) {
    if (engine::Camera* found = FindCamera(camera)) found->orientation = engine::QuatNormalized(orientation);
}

void iCameraEulerOrientationSet(EngineHandle camera, float rx, float ry, float rz, const char* order) {
    if (engine::Camera* found = FindCamera(camera)) found->orientation = engine::QuatEuler(rx, ry, rz, order);
}

void iListenerCameraSet(EngineHandle camera) {
    if (Engine* e = Engine::Active()) e->listenerCamera = camera;
}

void iLightDirectionalSet(const Vec3* direction, const float* color) {
    Engine* e = Engine::Active();
    if (!e || !direction || !color) return;
    e->light.set = true;
    e->light.direction = engine::Length(*direction) > 0 ? engine::Normalized(*direction) : Vec3{0, -1, 0};
    std::copy(color, color + 4, e->light.color);
}

EngineHandle iSkyBoxCreate(const char* file) {
    Engine* e = Engine::Active();
    if (!e || !file) return 0;
    std::string error;
    const auto bytes = engine::ReadWholeFile(platform::ResolvePath(file), &error);
    if (!bytes) {
        engine::EngineLog::CannotLoad(file, error);
        return 0;
    }
    const auto description =
        formats::ReadSkyBox(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), &error);
    if (!description) {
        engine::EngineLog::CannotLoad(file, error);
        return 0;
    }
    engine::SkyBox sky;
    for (int face = 0; face < formats::kSkyFaceCount; ++face) {
        sky.faces[face] = e->textures.Shared(FolderOf(file) + description->faces[face]);
        if (!sky.faces[face]) return 0;
        e->textures.ClampEdges(sky.faces[face]);
    }
    return e->skyBoxes.Add(sky);
}

void iSkyBoxShow(EngineHandle skyBox) {
    Engine* e = Engine::Active();
    if (e && e->skyBoxes.Get(skyBox)) e->shownSkyBox = skyBox;
}

EngineHandle iTextureCreate(const char* file) {
    Engine* e = Engine::Active();
    return e && file ? e->textures.CreateFromFile(file) : 0;
}

EngineHandle iTextureCreateFromMemory(const void* data, uint32_t size, int32_t serial) {
    Engine* e = Engine::Active();
    if (!e) return 0;
    const std::string label = "image in memory #" + std::to_string(serial);
    if (!data) {
        engine::EngineLog::CannotLoad(label, "no data");
        return 0;
    }
    return e->textures.CreateFromMemory({static_cast<const uint8_t*>(data), size}, label);
}

EngineHandle iMeshCreate(const char* file) { return CreateMesh(file, -1); }

int iModelPreload(const char* file) {
    Engine* e = Engine::Active();
    return e && file && e->models.Preload(file, e->textures) ? -1 : 0;
}

EngineHandle iMeshPartCreate(const char* file, int index) {
    if (index < 0) {
        if (file) engine::EngineLog::CannotLoad(file, "negative part index");
        return 0;
    }
    return CreateMesh(file, index);
}

void iMeshTextureSet(EngineHandle mesh, EngineHandle texture) {
    if (engine::Mesh* found = FindMesh(mesh)) found->texture = texture;
}

void iMeshLocationSet(EngineHandle mesh, const Vec3& location) {
    if (engine::Mesh* found = FindMesh(mesh)) found->location = location;
}

void iMeshScaleSet(EngineHandle mesh, float x, float y, float z) {
    if (engine::Mesh* found = FindMesh(mesh)) found->scale = {x, y, z};
}

void iMeshEulerOrientationSet(EngineHandle mesh, float rx, float ry, float rz, const char* order) {
    if (engine::Mesh* found = FindMesh(mesh)) found->orientation = engine::QuatEuler(rx, ry, rz, order);
}

void iMeshRenderModeSet(EngineHandle mesh, int source, int destination, int, int) {
    engine::Mesh* found = FindMesh(mesh);
    if (!found) return;
    found->sourceBlend = source;
    found->destinationBlend = destination;
}

void iMeshRenderPrioritySet(EngineHandle mesh, int priority) {
    if (engine::Mesh* found = FindMesh(mesh)) found->priority = priority;
}

void iMeshZBiasSet(EngineHandle mesh, float bias) {
    if (engine::Mesh* found = FindMesh(mesh)) found->zBias = bias;
}

void iMeshAlphaSet(EngineHandle mesh, float alpha) {
    if (engine::Mesh* found = FindMesh(mesh)) found->alpha = std::clamp(alpha, 0.0f, 1.0f);
}

void iMeshShow(EngineHandle mesh) {
    if (engine::Mesh* found = FindMesh(mesh)) found->visible = true;
}

void iMeshHide(EngineHandle mesh) {
    if (engine::Mesh* found = FindMesh(mesh)) found->visible = false;
}

EngineHandle iBodyMeshCreate(const char* file, EngineHandle body) {
    Engine* e = Engine::Active();
    if (!e || !file) return 0;
    if (!engine::PhysicsBodyPose(body, nullptr, nullptr)) {
        engine::EngineLog::Write(std::string("no body to carry ") + file);
        return 0;
    }
    const EngineHandle mesh = CreateMesh(file, -1);
    if (engine::Mesh* found = FindMesh(mesh)) found->body = body;
    return mesh;
}

EngineHandle iMeshBodyShadowCasterCreate(const char* file, EngineHandle body, float fadeHeight) {
    Engine* e = Engine::Active();
    if (!e || !file) return 0;
    if (!engine::PhysicsBodyPose(body, nullptr, nullptr)) {
        engine::EngineLog::Write(std::string("no body to cast the shadow ") + file);
        return 0;
    }
    const EngineHandle mesh = CreateMesh(file, -1);
    if (engine::Mesh* found = FindMesh(mesh)) {
        found->body = body;
        found->shadow = true;
        found->fadeHeight = std::isfinite(fadeHeight) ? fadeHeight : 0;
    }
    return mesh;
}
