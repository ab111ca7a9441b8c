// Simulating particles and trails.
#include "engine/effects_world.h"

#include <algorithm>
#include <cmath>

#include "engine/math3d.h"

namespace engine {
namespace {

bool Finite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

EffectsWorld::EffectsWorld()
    : particleSystems(HandleFamily::ParticleSystem),
      particleEmitters(HandleFamily::ParticleEmitter),
      trails(HandleFamily::Trail),
      trailEmitters(HandleFamily::TrailEmitter) {}

void EffectsWorld::Simulate(float frameSeconds, bool drawn) {
    const float seconds = std::isfinite(frameSeconds) ? std::clamp(frameSeconds, 0.0f, kLongestFrame) : 0.0f;
    if (!drawn) {
        waitingSeconds_ = std::min(waitingSeconds_ + seconds, kLongestWait);
    } else if (waitingSeconds_ > 0) {
        const float waited = waitingSeconds_ + seconds;
        SimulateParticles(waited, std::min(waited, kLongestFrame));
        waitingSeconds_ = 0;
    } else {
        SimulateParticles(seconds, seconds);
    }
    SimulateTrails(seconds);
    ++frame_;
}

void EffectsWorld::SimulateParticles(float seconds, float spawnSeconds) {
    particleSystems.ForEach([&](EngineHandle, ParticleSystem& system) {
        system.emitters = 0;
        const float keep = std::exp(-system.airResistance * seconds);
        auto& particles = system.particles;
        for (Particle& p : particles) {
            p.age += seconds;
            p.velocity = Mul(p.velocity, keep);
            p.position = Add(p.position, Mul(p.velocity, seconds));
        }
        const float life = system.lifeTime;
        particles.erase(std::remove_if(particles.begin(), particles.end(),
                                       [life](const Particle& p) { return p.age >= life; }),
                        particles.end());
    });
    particleEmitters.ForEach([&](EngineHandle, ParticleEmitter& emitter) {
        if (ParticleSystem* system = particleSystems.Get(emitter.system)) ++system->emitters;
    });
    particleEmitters.ForEach([&](EngineHandle, ParticleEmitter& emitter) {
        ParticleSystem* system = particleSystems.Get(emitter.system);
        if (!system || !system->visible || system->lifeTime <= 0 || spawnSeconds <= 0) {
            emitter.owed = 0;
            return;
        }
        const float rate = float(system->maxParticles) / system->lifeTime / float(system->emitters);
        emitter.owed += rate * spawnSeconds;
        const int due = int(emitter.owed);
        emitter.owed -= float(due);
        // Spread over the frame, so a steady stream does not come out in bursts.
        for (int i = 0; i < due; ++i) Spawn(*system, emitter, spawnSeconds * (float(i) + 0.5f) / float(due));
    });
}

void EffectsWorld::Spawn(ParticleSystem& system, const ParticleEmitter& emitter, float age) {
    if (int(system.particles.size()) >= system.maxParticles || age >= system.lifeTime) return;
    Particle p;
    p.velocity = Mul(RandomDirection(emitter.direction1, emitter.direction2),
                     Uniform(emitter.minimumSpeed, emitter.maximumSpeed));
    p.age = age;
    p.position = Add(emitter.location, Mul(p.velocity, age));
    p.birthSize = emitter.birthSize;
    p.deathSize = emitter.deathSize;
    system.particles.push_back(p);
}

Vec3 EffectsWorld::RandomDirection(const Vec3& direction1, const Vec3& direction2) {
    const Vec3 between = Normalized(Add(direction1, Mul(Sub(direction2, direction1), Uniform(0, 1))));
    if (Length(between) > 0) return between;
    // Any direction: a uniform point on the unit sphere.
    const float z = Uniform(-1, 1), angle = Uniform(0, 2 * kPi);
    const float r = std::sqrt(std::max(0.0f, 1 - z * z));
    return {r * std::cos(angle), r * std::sin(angle), z};
}

float EffectsWorld::Uniform(float low, float high) {
    const float t = float(random_() - random_.min()) / float(random_.max() - random_.min());
    return low + (high - low) * t;
}

void EffectsWorld::SimulateTrails(float seconds) {
    trails.ForEach([&](EngineHandle, Trail& trail) {
        for (TrailPoint& point : trail.points) point.age += seconds;
        while (!trail.points.empty() && trail.points.front().age >= trail.lifeTime) trail.points.pop_front();
    });
    trailEmitters.ForEach([&](EngineHandle, TrailEmitter& emitter) { emitter.sinceLastPoint += seconds; });
}

void EffectsWorld::Emit(EngineHandle handle, float rate, float alpha) {
    TrailEmitter* emitter = trailEmitters.Get(handle);
    Trail* trail = emitter ? trails.Get(emitter->trail) : nullptr;
    if (!trail || !Finite(emitter->location)) return;
    const float opacity = std::isfinite(alpha) ? std::clamp(alpha, 0.0f, 1.0f) : 1.0f;
    emitter->emitFrame = frame_;
    emitter->headAlpha = opacity;
    bool lay = false;
    if (emitter->segment == 0) {
        emitter->segment = trail->nextSegment++;
        lay = true;
    } else if (std::isfinite(rate) && rate > 0 && emitter->lastPointFrame != frame_) {
        lay = emitter->sinceLastPoint >= 1.0f / rate;
    }
    if (!lay || trail->maxPoints <= 0) return;
    while (int(trail->points.size()) >= trail->maxPoints) trail->points.pop_front();
    trail->points.push_back({emitter->location, Across(*emitter), 0, opacity, emitter->segment});
    emitter->sinceLastPoint = 0;
    emitter->lastPointFrame = frame_;
}

void EffectsWorld::Cut(EngineHandle handle) {
    if (TrailEmitter* emitter = trailEmitters.Get(handle)) emitter->segment = 0;
}

void EffectsWorld::HideParticles(EngineHandle handle) {
    ParticleSystem* system = particleSystems.Get(handle);
    if (!system) return;
    system->visible = false;
    system->particles.clear();
}

bool EffectsWorld::HeadLive(const TrailEmitter& emitter) const {
    return emitter.segment != 0 && emitter.emitFrame != 0 && emitter.emitFrame + 1 >= frame_;
}

Vec3 EffectsWorld::Across(const TrailEmitter& emitter) {
    return Mul(QuatRotate(emitter.orientation, {1, 0, 0}), emitter.width / 2);
}

}  // namespace engine
