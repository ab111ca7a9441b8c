// TTrassa: one table-top track: its visible parts, its shadow and its two physics bodies.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/engine.h"

// Built by its owner (the race keeps one per track slot 1..7): construction builds
// nothing; Load makes the engine objects from "data\TrassaN.x" (parts),
// "data\TrassaN_5.00.ply" (Body, the walls and solid geometry the chassis bumps into),
// "data\TrassaN_shadow.x" and "data\Table_5.00.ply" (TableBody, the driving surface).
// Locate must follow every Load and Reload before the track is shown.
class TTrassa {
public:
    static constexpr int kMaxParts = 150;

    int32_t Number = 0;  // track number 1..7; forms the file names
    Vec3 Location;       // where the track stands
    Vec3 Rotation;       // Euler angles, degrees, order "xyz"
    // Parts[i] holds part i + 1 of the model; the first zero ends the list. A file of
    // 150 parts or more fills every entry and has no terminating zero.
    std::array<EngineHandle, kMaxParts> Parts{};
    EngineHandle Body = 0;
    EngineHandle Shadow = 0;  // shadow caster bound to Body
    EngineHandle TableBody = 0;
    bool Loaded = false;

    // Sets Number and builds every engine object; Loaded becomes true.
    void Load(int32_t number);
    // Load again with the stored Number, after the engine lost all its objects.
    void Reload();
    // Moves parts and bodies to Location and Rotation; track 5's parts stand
    // track_tables::kTrack5PartsDrop lower than its bodies.
    void Locate();
    // Enables both bodies, shows every part, and shows Shadow only when the
    // settings' shadows flag is set (hides it otherwise).
    void Show();
    // Hides every part and Shadow, then disables both bodies.
    void Hide();
    void EnableBodies();
    void DisableBodies();

    // The path of one of the track's files: "data\Trassa" + number + suffix.
    static std::string FileName(int32_t number, const char* suffix);
    // Where parts stand for a track at `location`: the same place, but lower on track 5.
    static Vec3 PartsLocation(int32_t number, const Vec3& location);
};
