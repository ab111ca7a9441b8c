// Plain (2D) effect sounds at the volume of the settings: the pointer's hover and click.
#pragma once

#include <cstdint>

#include "engine/engine.h"

// The engine gain for an effect volume of 0..100: soundVolume / 300 + 0.66.
float EffectGain(int32_t soundVolume);

// Sets the gain from the live settings and plays the sound once from its beginning.
void PlayEffectSound(EngineHandle sound);
