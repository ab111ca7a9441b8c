// TCar: one toy car on the engine's physics: chassis, four wheels, meshes, sounds, trails and its driving model.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/engine.h"
#include "world/bonus.h"
#include "world/race_counters.h"

struct Settings;

// What a car's Update and its pickup effects need from the race that owns the car.
// The race fills it once per frame (or keeps one and updates trackNo per level).
struct CarRaceView {
    int trackNo = 0;                     // the current track slot 1..7: picks ChassisTrackPairs
    int selectedCar = 0;                 // the player's model 1..5: only it scores and hears pickups
    const BonusGrid* bonuses = nullptr;  // the race's twenty pickups, polled for touches
    RaceCounters* counters = nullptr;    // score and lives, changed by pickup effects
};

// The five driving keys, as held this frame.
struct DrivingKeys {
    bool left = false;
    bool right = false;
    bool accelerate = false;
    bool brake = false;
    bool boost = false;
};

// Plain object owned by the race, built once and reused for every race. Control
// values (Steering, Spin, Power) are written each frame by the player's keys or by
// an opponent driver; Update hands them to the engine. Every rate is per 13 ms tick
// times FrameScale; every timer counts seconds down by 0.013 x FrameScale per frame.
// Numbering: wheels 1..4 at index 0..3, track slots 1..7 at [slot - 1], pickups at
// [kind - 1][copy - 1].
class TCar {
public:
    static constexpr int kTrackSlots = 7;
    // Every model file a car's meshes and shadows are made of.
    static std::vector<const char*> ModelFiles();

    int32_t Model = 0;  // 1 black, 2 blue, 3 green, 4 red, 5 yellow
    Vec3 Location;      // chassis position: read from the engine by Update, written by the race before Reset
    Vec3 Rotation;      // Euler angles (degrees, "xyz") given to the chassis by Reset
    int32_t CheckpointsPassed = 0;
    int32_t CheckpointIndex = 0;  // next gate of the track's gate list
    int32_t LapsToGo = 0;
    long double ReverseTimer = -1;  // seconds of reversed steering left; negative: normal steering
    long double BoostReserve = -1;  // seconds of boost left; negative: none
    bool InRace = false;

    EngineHandle EngineSound = 0;     // "sound/16.wav", engine hum
    EngineHandle SpareSound = 0;      // "sound/1.wav", never started
    EngineHandle AccelLowSound = 0;   // "sound/a1.wav", speeding up below 4500
    EngineHandle AccelHighSound = 0;  // "sound/a2.wav", speeding up from 4500 to 6900
    EngineHandle SlowDownSound = 0;   // "sound/b.wav", losing spin
    EngineHandle BumpSound = 0;       // "sound/4.wav", hitting the track geometry

    long double PreviousSpin = 0;
    long double Heading = 0;  // degrees 0..360, growing from +x towards +z
    long double Roll = 0;     // degrees 0..360: about 90 upright, about 270 on the roof

    EngineHandle Chassis = 0;
    EngineHandle CarMesh = 0;
    EngineHandle CarShadow = 0;
    std::array<EngineHandle, 4> WheelBodies{};
    std::array<EngineHandle, 4> WheelMeshes{};
    std::array<EngineHandle, 4> WheelShadows{};
    std::array<EngineHandle, 4> Wheels{};

    long double Steering = 0;  // degrees for wheels 3 and 4; positive turns left
    long double Spin = 0;      // target spin of the driven wheels, degrees per second
    long double Power = 0;     // torque limit of the driven wheels

    std::array<std::array<EngineHandle, 4>, kTrackSlots> WheelTablePairs{};  // (wheel, track TableBody)
    std::array<EngineHandle, kTrackSlots> ChassisTablePairs{};               // (Chassis, track TableBody)
    std::array<EngineHandle, kTrackSlots> ChassisTrackPairs{};               // (Chassis, track Body), feedback on
    std::array<std::array<EngineHandle, 4>, TBonus::kKinds> PickupPairs{};   // (pickup Body, Chassis), sensors

    EngineHandle ExhaustTrail = 0;
    EngineHandle ExhaustEmitter = 0;
    std::array<EngineHandle, 2> SkidTrails{};    // under wheels 3 and 4
    std::array<EngineHandle, 2> SkidEmitters{};

    bool Braking = false;  // set by Brake, cleared at the end of Update
    bool Overturned = false;
    long double OverturnedTime = 0;

    // Builds every engine object of car model 1..5. The pickups must exist already:
    // the chassis is paired (as a sensor, with feedback) with each of their bodies.
    void Create(int32_t model, const BonusGrid& bonuses);
    // The same construction with the stored Model, after the engine lost all its objects.
    void Rebuild(const BonusGrid& bonuses);
    // Puts the car at rest at Location (all five bodies) turned to Rotation.
    void Reset();
    void Show();  // meshes shown, car shadow only with shadows on, bodies enabled
    void Hide();  // bodies disabled, meshes and car shadow hidden
    void EnableBodies();
    void DisableBodies();
    // Puts the car at rest on grid slot gridSlot (0-based) of track slot 1..7, facing
    // the grid's way, shown and in the race with spin 0 and the given power.
    void StartOnGrid(int trackSlot, int gridSlot, float power);
    // Makes this car's contact pairs with the track in slot 1..7: chassis with the
    // table, chassis with the track body (feedback on), and each wheel with the table
    // with split friction (70, 0, lateralFriction, 0) and the given friction.
    void PairWithTrack(int slot, EngineHandle tableBody, EngineHandle trackBody, float lateralFriction,
                       float friction);
    // Hands Spin and Power to the rear wheels too and marks this frame as braking.
    void Brake();
    // Marks the car overturned while its Roll is within 10 degrees of 270; true once
    // it has been so for more than 3 seconds.
    bool IsOverturned();
    // The per-frame step, for cars in the race, after this frame's control values are set.
    void Update(const CarRaceView& race);
    // The effect of a pickup of `kind` taken by this car; only the player's model
    // (race.selectedCar) is affected.
    void ApplyPickup(int32_t kind, const CarRaceView& race);

    // The player's driving rules for this frame's keys (steering, throttle and brake,
    // boost); Power becomes 2000.
    void ApplyDrivingInputs(const DrivingKeys& keys);
    // The keys of the settings' bindings, held now.
    static DrivingKeys ReadDrivingKeys(const Settings& settings);

    // Stops all six sounds (race end, leaving the race).
    void StopSounds();

    // Location, Heading and Roll read from the chassis as it is now; Update starts with it.
    void MeasureNow();

private:
    void MeasureOrientation(const Quaternion& orientation);
    void UpdateSounds();
    void UpdateTrails(const Vec3& velocity);
    void CollectPickups(const CarRaceView& race);
};
