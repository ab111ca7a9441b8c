// The engine's sound family: effects, 3D sounds heard from the listener camera, and music.
//
// - Files are program paths (".wav", ".ogg" and whatever else libsndfile reads).
//   A missing or damaged file gives 0 and one log line.
// - 3D sounds are placed in world space with iSoundLocationSet and heard from the
//   camera of iListenerCameraSet; they are full loud within 6 units and fade with
//   distance beyond (halved at 12, a third at 18). 2D sounds play as recorded.
// - Volumes are linear gains, 0 silent, 1 as recorded, clamped to 8; gains above
//   1 make a distant 3D sound carry.
// - With no audio device every function still works and nothing is heard:
//   iSoundPlaying then follows the clock (a sound played once stops after its length).
// - Handle 0 and handles of sounds that no longer exist are ignored (false for iSoundPlaying).
#pragma once

#include "engine/engine.h"

// mode -1: a 3D sound (mixed to mono) placed with iSoundLocationSet; 0: a plain 2D sound.
EngineHandle iSoundCreate(const char* file, int mode);
// Music: decoded a piece at a time while it plays, so long files cost little memory.
// The two numbers are reserved (the game passes 0, 0).
EngineHandle iSoundOggCreate(const char* file, int reserved1, int reserved2);
// loop -1 (any non-zero) repeats until stopped, 0 plays once. A playing sound starts over.
void iSoundPlayNow(EngineHandle sound, int loop);
void iSoundStop(EngineHandle sound, int reserved);  // at once; the second number is unused
int iSoundPlaying(EngineHandle sound);              // -1 while playing, else 0
void iSoundVolumeSet(EngineHandle sound, float gain);
void iSoundLocationSet(EngineHandle sound, const Vec3& location);  // 3D sounds only; world space
