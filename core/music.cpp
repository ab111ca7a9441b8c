// Starting and stopping the music tracks made by the init phase.
#include "core/music.h"

#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "engine/engine.h"

int GameMusicOf(int trackNo) {
    switch (((trackNo % 3) + 3) % 3) {
        case 0: return 1;
        case 1: return 2;
        default: return 3;
    }
}

float MusicGain(int32_t musicVolume) { return static_cast<float>(musicVolume / 300.0 + 0.56); }

void StopMusic() {
    for (EngineHandle track : Shared.MusicTracks) iSoundStop(track, 0);
}

void PlayMusic(std::string_view selector, int trackNo) {
    StopMusic();
    int index = -1;
    if (selector == "1") index = 0;
    if (selector == "2") index = GameMusicOf(trackNo);
    if (index < 0) return;
    const EngineHandle track = Shared.MusicTracks[index];
    iSoundVolumeSet(track, MusicGain(Saved.settings.musicVolume));
    iSoundPlayNow(track, -1);
}
