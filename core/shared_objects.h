// The engine objects the init phase makes for the whole program: camera, sky, fonts, sounds, music.
#pragma once

#include <array>

#include "engine/engine.h"

struct SharedObjects {
    EngineHandle MainCamera = 0;  // the only camera: 3D scene, sprites, fonts and menu meshes
    EngineHandle SkyBox = 0;
    std::array<EngineHandle, 2> Fonts{};  // 0: menus, banners, share screen; 1: the race's text line
    EngineHandle HoverSound = 0;  // "sound\14.WAV": the selection moved
    EngineHandle ClickSound = 0;  // "sound\15.wav": a button was clicked
    // 0 the menus; 1..3 the races (GameMusicOf picks one by track number).
    std::array<EngineHandle, 4> MusicTracks{};
};

// Rebuilt by every init phase; all handles die with the engine.
extern SharedObjects Shared;

// The light every scene uses: direction (100, -50, 100), white with a 0.4 ambient share.
inline constexpr Vec3 kLightDirection{100, -50, 100};
inline constexpr std::array<float, 4> kLightColor{1.0f, 1.0f, 1.0f, 0.4f};
