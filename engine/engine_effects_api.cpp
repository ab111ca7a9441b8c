// The effects family of the engine's functions: particle systems, trails and their emitters.
#include <algorithm>
#include <cmath>

#include "engine/effects_world.h"
#include "engine/engine.h"
#include "engine/engine_instance.h"
#include "engine/math3d.h"

using engine::Engine;

namespace {

engine::EffectsWorld* Effects() {
    Engine* e = Engine::Active();
    return e ? &e->effects : nullptr;
}

engine::ParticleSystem* FindSystem(EngineHandle system) {
    engine::EffectsWorld* effects = Effects();
    return effects ? effects->particleSystems.Get(system) : nullptr;
}

engine::ParticleEmitter* FindParticleEmitter(EngineHandle emitter) {
    engine::EffectsWorld* effects = Effects();
    return effects ? effects->particleEmitters.Get(emitter) : nullptr;
}

engine::Trail* FindTrail(EngineHandle trail) {
    engine::EffectsWorld* effects = Effects();
    return effects ? effects->trails.Get(trail) : nullptr;
}

engine::TrailEmitter* FindTrailEmitter(EngineHandle emitter) {
    engine::EffectsWorld* effects = Effects();
    return effects ? effects->trailEmitters.Get(emitter) : nullptr;
}

bool Finite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }
bool Finite(const Vec2& v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// A lifetime: finite and not below zero.
float Seconds(float value) { return std::isfinite(value) && value > 0 ? value : 0.0f; }

// Counts are held to a size that a frame can draw.
constexpr int kMostParticles = 100000;
constexpr int kMostTrailPoints = 100000;

}  // namespace

EngineHandle iParticleCreate(const char* texture, int maxParticles) {
    Engine* e = Engine::Active();
    if (!e || !texture) return 0;
    engine::ParticleSystem system;
    system.texture = e->textures.Shared(texture);
    if (!system.texture) return 0;
    system.maxParticles = std::clamp(maxParticles, 0, kMostParticles);
    return e->effects.particleSystems.Add(std::move(system));
}

void iParticleLifeTimeSet(EngineHandle system, float seconds) {
    if (engine::ParticleSystem* found = FindSystem(system)) found->lifeTime = Seconds(seconds);
}

void iParticleAirResistanceSet(EngineHandle system, float resistance) {
    if (engine::ParticleSystem* found = FindSystem(system)) found->airResistance = Seconds(resistance);
}

void iParticleColorSet(EngineHandle system, const Vec3& birthColor, const Vec3& deathColor) {
    engine::ParticleSystem* found = FindSystem(system);
    if (!found || !Finite(birthColor) || !Finite(deathColor)) return;
    found->birthColor = birthColor;
    found->deathColor = deathColor;
}

void iParticleRenderModeSet(EngineHandle system, int mode) {
    if (engine::ParticleSystem* found = FindSystem(system)) found->renderMode = mode == 0 ? 0 : 1;
}

void iParticleShow(EngineHandle system) {
    if (engine::ParticleSystem* found = FindSystem(system)) found->visible = true;
}

void iParticleHide(EngineHandle system) {
    if (engine::EffectsWorld* effects = Effects()) effects->HideParticles(system);
}

EngineHandle iParticleEmitterCreate(EngineHandle system) {
    engine::EffectsWorld* effects = Effects();
    if (!effects || !effects->particleSystems.Get(system)) return 0;
    engine::ParticleEmitter emitter;
    emitter.system = system;
    return effects->particleEmitters.Add(emitter);
}

void iParticleEmitterLocationSet(EngineHandle emitter, const Vec3& location) {
    engine::ParticleEmitter* found = FindParticleEmitter(emitter);
    if (found && Finite(location)) found->location = location;
}

void iParticleEmitterDirectionSet(EngineHandle emitter, const Vec3& direction1, const Vec3& direction2) {
    engine::ParticleEmitter* found = FindParticleEmitter(emitter);
    if (!found || !Finite(direction1) || !Finite(direction2)) return;
    found->direction1 = direction1;
    found->direction2 = direction2;
}

void iParticleEmitterSpeedSet(EngineHandle emitter, float minimum, float maximum) {
    engine::ParticleEmitter* found = FindParticleEmitter(emitter);
    if (!found || !std::isfinite(minimum) || !std::isfinite(maximum)) return;
    found->minimumSpeed = std::min(minimum, maximum);
    found->maximumSpeed = std::max(minimum, maximum);
}

void iParticleEmitterScaleSet(EngineHandle emitter, const Vec2& birthSize, const Vec2& deathSize) {
    engine::ParticleEmitter* found = FindParticleEmitter(emitter);
    if (!found || !Finite(birthSize) || !Finite(deathSize)) return;
    found->birthSize = birthSize;
    found->deathSize = deathSize;
}

EngineHandle iTrailCreate(const char* texture, int maxPoints) {
    Engine* e = Engine::Active();
    if (!e || !texture) return 0;
    engine::Trail trail;
    trail.texture = e->textures.Shared(texture);
    if (!trail.texture) return 0;
    trail.maxPoints = std::clamp(maxPoints, 0, kMostTrailPoints);
    return e->effects.trails.Add(std::move(trail));
}

void iTrailLifeTimeSet(EngineHandle trail, float seconds) {
    if (engine::Trail* found = FindTrail(trail)) found->lifeTime = Seconds(seconds);
}

void iTrailColorSet(EngineHandle trail, const Vec3& birthColor, const Vec3& deathColor) {
    engine::Trail* found = FindTrail(trail);
    if (!found || !Finite(birthColor) || !Finite(deathColor)) return;
    found->birthColor = birthColor;
    found->deathColor = deathColor;
}

void iTrailShow(EngineHandle trail) {
    if (engine::Trail* found = FindTrail(trail)) found->visible = true;
}

void iTrailHide(EngineHandle trail) {
    if (engine::Trail* found = FindTrail(trail)) found->visible = false;
}

EngineHandle iTrailEmitterCreate(EngineHandle trail) {
    engine::EffectsWorld* effects = Effects();
    if (!effects || !effects->trails.Get(trail)) return 0;
    engine::TrailEmitter emitter;
    emitter.trail = trail;
    return effects->trailEmitters.Add(emitter);
}

void iTrailEmitterScaleSet(EngineHandle emitter, float width) {
    engine::TrailEmitter* found = FindTrailEmitter(emitter);
    if (found && std::isfinite(width)) found->width = std::max(width, 0.0f);
}

void iTrailEmitterLocationSet(EngineHandle emitter, const Vec3& location) {
    engine::TrailEmitter* found = FindTrailEmitter(emitter);
    if (found && Finite(location)) found->location = location;
}

void iTrailEmitterOrientationSet(EngineHandle emitter, const Quaternion& orientation) {
    engine::TrailEmitter* found = FindTrailEmitter(emitter);
    if (found && std::isfinite(orientation.x + orientation.y + orientation.z + orientation.w)) {
        found->orientation = engine::QuatNormalized(orientation);
    }
}

void iTrailEmitterEmit(EngineHandle emitter, float rate, float alpha) {
    if (engine::EffectsWorld* effects = Effects()) effects->Emit(emitter, rate, alpha);
}

void iTrailEmitterCut(EngineHandle emitter) {
    if (engine::EffectsWorld* effects = Effects()) effects->Cut(emitter);
}
