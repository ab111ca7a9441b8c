// The engine's effects: particle systems, trails, shadow casters and meshes bound to bodies.
// Same conventions as engine.h: handle 0 and stale handles are harmless; failed
// loads return 0 with one log line; everything ends with iEngineClose.
// Effects are simulated once a frame, after the run phase, from the frame's
// duration (iFrq), and drawn in the 3D scene after the meshes: depth-tested,
// writing no depth.
#pragma once

#include "engine/engine.h"

// ---- Particles -------------------------------------------------------------
// A particle system draws up to maxParticles camera-facing textured quads. While
// it is shown its emitters spawn particles without pause: together they spawn
// maxParticles every lifetime, so the system stays full. Each particle goes from
// the birth to the death colour and size and fades out over its lifetime.
// Created hidden; the texture's file is read once and shared.
EngineHandle iParticleCreate(const char* texture, int maxParticles);
void iParticleLifeTimeSet(EngineHandle system, float seconds);  // default 1
// Speed lost per second, proportional: a particle keeps exp(-resistance t) of its speed.
void iParticleAirResistanceSet(EngineHandle system, float resistance);
void iParticleColorSet(EngineHandle system, const Vec3& birthColor, const Vec3& deathColor);
void iParticleRenderModeSet(EngineHandle system, int mode);  // 0 additive (default), 1 alpha blended
void iParticleShow(EngineHandle system);
void iParticleHide(EngineHandle system);  // its particles vanish; emitting stops until shown
EngineHandle iParticleEmitterCreate(EngineHandle system);
void iParticleEmitterLocationSet(EngineHandle emitter, const Vec3& location);  // world space
// Particles leave along a direction picked between the two (both zero: any direction).
void iParticleEmitterDirectionSet(EngineHandle emitter, const Vec3& direction1, const Vec3& direction2);
void iParticleEmitterSpeedSet(EngineHandle emitter, float minimum, float maximum);  // units per second
// Width and height of a particle's quad in world units, at birth and at death (default 1 x 1).
void iParticleEmitterScaleSet(EngineHandle emitter, const Vec2& birthSize, const Vec2& deathSize);

// ---- Trails ----------------------------------------------------------------
// A trail is a ribbon of up to maxPoints points left behind by its emitters
// (the oldest goes first when it is full). Each point fades from the birth to the
// death colour, and from its own opacity to nothing, over the lifetime, then
// goes. The ribbon joins each emitter's points in order and, while the emitter
// emits, reaches on to the emitter itself. The texture runs across the ribbon
// (u 0 on one edge, 1 on the other) and is tinted by the colour; the ribbon is
// alpha blended. Created hidden.
EngineHandle iTrailCreate(const char* texture, int maxPoints);
void iTrailLifeTimeSet(EngineHandle trail, float seconds);  // default 1
void iTrailColorSet(EngineHandle trail, const Vec3& birthColor, const Vec3& deathColor);
void iTrailShow(EngineHandle trail);
void iTrailHide(EngineHandle trail);
EngineHandle iTrailEmitterCreate(EngineHandle trail);
void iTrailEmitterScaleSet(EngineHandle emitter, float width);  // ribbon width in units (default 1)
void iTrailEmitterLocationSet(EngineHandle emitter, const Vec3& location);
// The ribbon lies across the emitter's local x axis.
void iTrailEmitterOrientationSet(EngineHandle emitter, const Quaternion& orientation);
// Emits this frame: lays a point at the emitter when 1 / rate seconds have passed
// since its last one (rate in points per second; at most one point per frame; the
// first point after a cut at once); alpha is the point's opacity 0..1.
void iTrailEmitterEmit(EngineHandle emitter, float rate, float alpha);
// Ends the current ribbon: the next point starts a new one, unjoined.
void iTrailEmitterCut(EngineHandle emitter);

// ---- Meshes bound to bodies ------------------------------------------------------
// Every part of a ".x" file as one mesh drawn at the body's pose (location and
// orientation) as it is when drawn, times the mesh's own scale; iMeshLocationSet
// and iMeshEulerOrientationSet have no effect on it. Created hidden; the other
// mesh functions work on it. 0, with a log line, when the body does not exist.
// After the body is destroyed the mesh draws nothing.
EngineHandle iBodyMeshCreate(const char* file, EngineHandle body);
// A mesh that follows a body, drawn as a shadow on the table top (y = -50, where
// every track stands): flattened onto it along the light's direction (straight
// down while no light is set or the light falls flatter than 45 degrees from the
// horizontal), darkening what lies there by half, fading linearly as the body's
// origin rises, to nothing at fadeHeight units above the table. Overlapping
// shadows darken only once; solid things drawn over the table hide it. Created
// hidden; shown and hidden with iMeshShow and iMeshHide, scaled with iMeshScaleSet.
EngineHandle iMeshBodyShadowCasterCreate(const char* file, EngineHandle body, float fadeHeight);
