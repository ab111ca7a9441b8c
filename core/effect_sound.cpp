// Effect sounds at the settings' volume.
#include "core/effect_sound.h"

#include "core/saved_files.h"
#include "engine/engine.h"

float EffectGain(int32_t soundVolume) { return static_cast<float>(soundVolume / 300.0 + 0.66); }

void PlayEffectSound(EngineHandle sound) {
    iSoundVolumeSet(sound, EffectGain(Saved.settings.soundVolume));
    iSoundPlayNow(sound, 0);
}
