// TBonus: building, placing, showing and taking a pickup.
#include "world/bonus.h"

#include "core/saved_files.h"
#include "engine/engine.h"

namespace {

struct KindFiles {
    const char* model;
    const char* shadow;
    const char* sound;
    float meshScale;
};

constexpr KindFiles kKindFiles[TBonus::kKinds] = {
    {"data\\P50.x", "data\\P50_shadow.x", "sound\\8.wav", 0.1f},
    {"data\\P100.x", "data\\P100_shadow.x", "sound\\8.wav", 0.1f},
    {"data\\Life.x", "data\\Life_shadow.x", "sound\\9.wav", 0.4f},
    {"data\\Strelki.x", "data\\Strelki_shadow.x", "sound\\10.wav", 0.1f},
    {"data\\Action.x", "data\\Action_shadow.x", "sound\\8.wav", 0.8f},
};

constexpr float kBodyRadius = 3.0f;
constexpr float kShadowScale = 0.1f;
constexpr float kShadowFadeHeight = 50.0f;

}  // namespace

std::vector<const char*> TBonus::ModelFiles() {
    std::vector<const char*> files;
    for (const KindFiles& kind : kKindFiles) files.insert(files.end(), {kind.model, kind.shadow});
    return files;
}

void TBonus::Create(int32_t kind) {
    for (int i = 0; i < 3; ++i) {
        const EngineHandle system = iParticleCreate("data\\particle_clot.dds", 100);
        iParticleAirResistanceSet(system, 10);
        const Vec3 colour{i == 0 ? 1.0f : 0.0f, i == 1 ? 1.0f : 0.0f, i == 2 ? 1.0f : 0.0f};
        iParticleColorSet(system, colour, colour);
        iParticleLifeTimeSet(system, 0.2f);
        const EngineHandle emitter = iParticleEmitterCreate(system);
        iParticleEmitterLocationSet(emitter, {0, -3, 0});
        iParticleEmitterDirectionSet(emitter, {0, 0, 0}, {0, 0, 0});
        iParticleEmitterSpeedSet(emitter, 4.0f, 4.1f);
        iParticleEmitterScaleSet(emitter, {1.5f, 1.5f}, {1.5f, 1.5f});
        iParticleRenderModeSet(system, 0);
        iParticleShow(system);
        Particles[i] = system;
        Emitters[i] = emitter;
    }
    Kind = kind;
    const bool known = kind >= 1 && kind <= kKinds;
    const KindFiles& files = kKindFiles[known ? kind - 1 : 0];
    PickupSound = known ? iSoundCreate(files.sound, 0) : 0;
    Body = iBodySphereCreate(kBodyRadius, 0);
    if (kind == PickupP50 || kind == PickupP100) iBodyEulerOrientationSet(Body, 90, 0, 0, "xyz", -1);
    Mesh = known ? iBodyMeshCreate(files.model, Body) : 0;
    iMeshScaleSet(Mesh, files.meshScale, files.meshScale, files.meshScale);
    Shadow = known ? iMeshBodyShadowCasterCreate(files.shadow, Body, kShadowFadeHeight) : 0;
    iMeshScaleSet(Shadow, kShadowScale, kShadowScale, kShadowScale);
}

void TBonus::Rebuild() { Create(Kind); }

void TBonus::Locate() {
    iBodyPhysicsReset(Body);
    iBodyLocationSet(Body, Location, -1);
    iBodyEulerOrientationSet(Body, Rotation.x, Rotation.y, Rotation.z, "xyz", -1);
}

void TBonus::Activate() {
    Active = true;
    iBodyEnable(Body);
    iMeshShow(Mesh);
    if (Saved.settings.shadows) {
        iMeshShow(Shadow);
    } else {
        iMeshHide(Shadow);
    }
}

void TBonus::Take() {
    Active = false;
    iBodyDisable(Body);
    iMeshHide(Mesh);
    iMeshHide(Shadow);
}

void TBonus::HoldInPlace() {
    if (Active) iBodyLocationSet(Body, Location, -1);
}
