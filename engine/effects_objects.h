// The records behind particle system, particle emitter, trail and trail emitter handles.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "engine/engine.h"

namespace engine {

struct Particle {
    Vec3 position, velocity;  // world units, units per second
    float age = 0;            // seconds
    Vec2 birthSize, deathSize;
};

// Particles live lifeTime seconds, slow down by airResistance (their speed falls
// by that share per second, continuously), go from the birth to the death colour
// and fade out. renderMode 0 adds their light to the scene; 1 blends them over it.
struct ParticleSystem {
    EngineHandle texture = 0;
    int maxParticles = 0;
    float lifeTime = 1;
    float airResistance = 0;
    Vec3 birthColor{1, 1, 1}, deathColor{1, 1, 1};
    int renderMode = 0;
    bool visible = false;
    std::vector<Particle> particles;
    int emitters = 0;  // the emitters feeding it, counted each simulated frame
};

// An emitter keeps its system full: together the emitters of a system spawn
// maxParticles every lifeTime while it is shown.
struct ParticleEmitter {
    EngineHandle system = 0;
    Vec3 location;
    Vec3 direction1, direction2;  // both zero: any direction
    float minimumSpeed = 1, maximumSpeed = 1;
    Vec2 birthSize{1, 1}, deathSize{1, 1};
    float owed = 0;  // particles due but not yet spawned (a fraction of one)
};

// One point of a trail: the ribbon's middle there and half its width across.
// Points of one segment join; a cut starts a new segment.
struct TrailPoint {
    Vec3 position, across;
    float age = 0;
    float alpha = 1;
    uint64_t segment = 0;
};

struct Trail {
    EngineHandle texture = 0;
    int maxPoints = 0;
    float lifeTime = 1;
    Vec3 birthColor{1, 1, 1}, deathColor{1, 1, 1};
    bool visible = false;
    std::deque<TrailPoint> points;  // oldest first
    uint64_t nextSegment = 1;
};

struct TrailEmitter {
    EngineHandle trail = 0;
    float width = 1;
    Vec3 location;
    Quaternion orientation;
    uint64_t segment = 0;         // the segment being laid; 0 after a cut (none yet)
    float sinceLastPoint = 0;     // seconds
    uint64_t lastPointFrame = 0;  // effects frame of the last point laid
    uint64_t emitFrame = 0;       // effects frame of the last iTrailEmitterEmit
    float headAlpha = 1;
};

}  // namespace engine
