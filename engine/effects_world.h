// EffectsWorld: one opening's particle systems, trails and their emitters, simulated once per frame.
//
// The engine's frame calls Simulate after the run phase with the frame's duration:
// particles age, move and are born there; trail points age and expire. Emitting
// a trail point happens at once, from the run phase (Emit).
//
// Particles only show in a drawn picture, so frames that draw nothing (the
// runner's --no-draw) leave them waiting: the next drawn frame ages them by all
// the time since and lets the emitters fill the systems as after a stall, over at
// most kLongestFrame.
#pragma once

#include <cstdint>
#include <random>

#include "engine/effects_objects.h"
#include "engine/engine.h"
#include "engine/handle_pool.h"

namespace engine {

class EffectsWorld {
public:
    // A frame longer than this (a stall) is simulated as this long.
    static constexpr float kLongestFrame = 0.25f;
    // Waiting particles age by at most this much: by then any particle of the
    // game's (they live well under a second) has died.
    static constexpr float kLongestWait = 60.0f;

    EffectsWorld();

    // drawn: this frame's picture will be drawn.
    void Simulate(float frameSeconds, bool drawn = true);
    // Lays a trail point at the emitter when the rate allows (the first point of a
    // segment always), at most one per frame; keeps the ribbon's head at the emitter.
    void Emit(EngineHandle emitter, float rate, float alpha);
    void Cut(EngineHandle emitter);
    void HideParticles(EngineHandle system);

    // The emitter's ribbon reaches it now: it emitted in this or the last simulated frame.
    bool HeadLive(const TrailEmitter& emitter) const;
    // Half the ribbon's width along the emitter's local x axis.
    static Vec3 Across(const TrailEmitter& emitter);

    HandlePool<ParticleSystem> particleSystems;
    HandlePool<ParticleEmitter> particleEmitters;
    HandlePool<Trail> trails;
    HandlePool<TrailEmitter> trailEmitters;

private:
    // Ages and moves the particles by seconds; the emitters spawn over the last spawnSeconds of it.
    void SimulateParticles(float seconds, float spawnSeconds);
    void SimulateTrails(float seconds);
    void Spawn(ParticleSystem& system, const ParticleEmitter& emitter, float age);
    Vec3 RandomDirection(const Vec3& direction1, const Vec3& direction2);
    float Uniform(float low, float high);

    uint64_t frame_ = 1;
    float waitingSeconds_ = 0;  // particle time owed by frames that drew nothing
    std::minstd_rand random_{20240611u};
};

}  // namespace engine
