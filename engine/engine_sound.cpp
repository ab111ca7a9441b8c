// The sound functions of the engine's interface, over the open SoundSystem.
#include "engine/engine.h"

#include "engine/sound_system.h"

namespace {

engine::SoundStore* Store() {
    engine::SoundSystem* system = engine::SoundSystem::Active();
    return system ? &system->store : nullptr;
}

}  // namespace

EngineHandle iSoundCreate(const char* file, int mode) {
    engine::SoundStore* store = Store();
    return store && file ? store->Create(file, mode != 0) : 0;
}

EngineHandle iSoundOggCreate(const char* file, int, int) {
    engine::SoundStore* store = Store();
    return store && file ? store->CreateMusic(file) : 0;
}

void iSoundPlayNow(EngineHandle sound, int loop) {
    if (engine::SoundStore* store = Store()) store->Play(sound, loop != 0);
}

void iSoundStop(EngineHandle sound, int) {
    if (engine::SoundStore* store = Store()) store->Stop(sound);
}

int iSoundPlaying(EngineHandle sound) {
    engine::SoundStore* store = Store();
    return store && store->Playing(sound) ? -1 : 0;
}

void iSoundVolumeSet(EngineHandle sound, float gain) {
    if (engine::SoundStore* store = Store()) store->SetGain(sound, gain);
}

void iSoundLocationSet(EngineHandle sound, const Vec3& location) {
    if (engine::SoundStore* store = Store()) store->SetLocation(sound, location);
}
