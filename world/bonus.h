// TBonus: one pickup lying on the track, of one of five kinds, taken by the car that drives through it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/engine.h"

// Pickup kinds, numbered as their model files.
enum PickupKind : int32_t {
    PickupP50 = 1,      // score + 50
    PickupP100 = 2,     // score + 100
    PickupLife = 3,     // one more life and score + 50
    PickupStrelki = 4,  // steering reversed for 10 seconds, score - 150
    PickupAction = 5,   // 10 seconds of boost, score + 50
};

class TBonus {
public:
    static constexpr int kKinds = 5;
    // Every model file the pickups' meshes and shadows are made of.
    static std::vector<const char*> ModelFiles();

    int32_t Kind = 0;  // 1..5
    Vec3 Location;     // where the pickup stands; written by the spawner
    Vec3 Rotation;     // given to the body at each placement; zero
    bool Active = false;
    EngineHandle Body = 0;  // sphere of radius 3 that only the program moves
    EngineHandle Mesh = 0;
    EngineHandle Shadow = 0;
    std::array<EngineHandle, 3> Particles{};  // red, green, blue
    std::array<EngineHandle, 3> Emitters{};
    EngineHandle PickupSound = 0;

    // Builds every engine object for pickup kind 1..5 and stores the kind.
    void Create(int32_t kind);
    // The same construction with the stored Kind, after the engine lost all its objects.
    void Rebuild();
    // Puts the body at Location and Rotation, at rest.
    void Locate();
    // On the track: enabled, mesh shown, shadow shown only with shadows on.
    void Activate();
    // Off the track: inactive, body disabled, mesh and shadow hidden.
    void Take();
    // Each frame: an active pickup is held at its Location.
    void HoldInPlace();
};

// The race's twenty pickups: [kind - 1][copy - 1], four copies of each kind, not owned.
using BonusGrid = std::array<std::array<TBonus*, 4>, TBonus::kKinds>;
