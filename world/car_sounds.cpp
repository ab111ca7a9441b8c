// TCar's engine sounds: the hum, the two acceleration sounds and the slow-down sound.
#include <cmath>

#include "core/saved_files.h"
#include "engine/engine.h"
#include "world/car.h"

namespace {

// Plays a sound looping unless it already plays.
void KeepLooping(EngineHandle sound) {
    if (!iSoundPlaying(sound)) iSoundPlayNow(sound, -1);
}

constexpr long double kSpinChange = 10;    // per frame, to count as speeding up or slowing down
constexpr long double kHighSpinFrom = 4500;
constexpr long double kTopSpinFrom = 6900;

}  // namespace

void TCar::UpdateSounds() {
    const float volume = static_cast<float>(Saved.settings.soundVolume);
    KeepLooping(EngineSound);
    iSoundVolumeSet(EngineSound, 3.5f * volume / 100);
    iSoundLocationSet(EngineSound, Location);
    for (EngineHandle sound : {AccelLowSound, AccelHighSound, SlowDownSound, BumpSound}) {
        iSoundVolumeSet(sound, 7.0f * volume / 100);
        iSoundLocationSet(sound, Location);
    }

    const long double spin = std::fabs(Spin);
    const long double change = spin - std::fabs(PreviousSpin);
    if (change > kSpinChange) {
        if (spin < kHighSpinFrom) {
            KeepLooping(AccelLowSound);
            iSoundStop(AccelHighSound, 0);
        } else if (spin < kTopSpinFrom) {
            KeepLooping(AccelHighSound);
            iSoundStop(AccelLowSound, 0);
        } else {
            iSoundStop(AccelLowSound, 0);
            iSoundStop(AccelHighSound, 0);
            KeepLooping(EngineSound);
        }
    } else {
        iSoundStop(AccelLowSound, 0);
        iSoundStop(AccelHighSound, 0);
    }
    if (change < -kSpinChange) {
        KeepLooping(SlowDownSound);
    } else {
        iSoundStop(SlowDownSound, 0);
    }
}

void TCar::StopSounds() {
    for (EngineHandle sound : {EngineSound, SpareSound, AccelLowSound, AccelHighSound, SlowDownSound, BumpSound}) {
        iSoundStop(sound, 0);
    }
}
