// The engine's effects: particle systems, trails and shadow casters.
// Same conventions as engine.h: handle 0 and stale handles are harmless; failed
// loads return 0 with one log line; everything ends with iEngineClose.
#pragma once

#include "engine/engine.h"

// ---- Particles -------------------------------------------------------------
// A particle system draws up to maxParticles camera-facing textured quads; its
// emitters spawn particles continuously while the system is shown.
EngineHandle iParticleCreate(const char* texture, int maxParticles);
void iParticleLifeTimeSet(EngineHandle system, float seconds);
void iParticleAirResistanceSet(EngineHandle system, float resistance);  // speed lost per second, proportional
void iParticleColorSet(EngineHandle system, const Vec3& birthColor, const Vec3& deathColor);
void iParticleRenderModeSet(EngineHandle system, int mode);  // 0 additive, 1 alpha blended
void iParticleShow(EngineHandle system);
EngineHandle iParticleEmitterCreate(EngineHandle system);
void iParticleEmitterLocationSet(EngineHandle emitter, const Vec3& location);
// Particles leave along a direction picked between the two (both zero: any direction).
void iParticleEmitterDirectionSet(EngineHandle emitter, const Vec3& direction1, const Vec3& direction2);
void iParticleEmitterSpeedSet(EngineHandle emitter, float minimum, float maximum);  // units per second
void iParticleEmitterScaleSet(EngineHandle emitter, const Vec2& birthSize, const Vec2& deathSize);

// ---- Trails ----------------------------------------------------------------
// A trail is a ribbon of up to maxPoints points left behind by its emitters;
// each point fades from the birth to the death colour over the lifetime.
EngineHandle iTrailCreate(const char* texture, int maxPoints);
void iTrailLifeTimeSet(EngineHandle trail, float seconds);
void iTrailColorSet(EngineHandle trail, const Vec3& birthColor, const Vec3& deathColor);
void iTrailShow(EngineHandle trail);
EngineHandle iTrailEmitterCreate(EngineHandle trail);
void iTrailEmitterScaleSet(EngineHandle emitter, float width);  // ribbon width in units (default 1)
void iTrailEmitterLocationSet(EngineHandle emitter, const Vec3& location);
// The ribbon lies across the emitter's local x axis.
void iTrailEmitterOrientationSet(EngineHandle emitter, const Quaternion& orientation);
// Adds a point at the emitter this frame: rate in points per second (at most one
// per frame), alpha the point's opacity 0..1.
void iTrailEmitterEmit(EngineHandle emitter, float rate, float alpha);
// Ends the current ribbon: the next point starts a new one, unjoined.
void iTrailEmitterCut(EngineHandle emitter);

// ---- Shadows ---------------------------------------------------------------
// A mesh from a ".x" file that follows a body and is drawn as a dark shadow on
// the table below it, fading with height up to fadeHeight units. Created hidden;
// shown and hidden with iMeshShow and iMeshHide, scaled with iMeshScaleSet.
EngineHandle iMeshBodyShadowCasterCreate(const char* file, EngineHandle body, float fadeHeight);
