// TCar: construction, placing, showing, braking, the overturn test and the per-frame step.
#include "world/car.h"

#include <cmath>

#include "core/frame_timer.h"
#include "core/saved_files.h"
#include "engine/engine.h"
#include "world/orientation_angle.h"
#include "world/track_tables.h"

namespace {

constexpr long double kTickSeconds = 0.013L;
constexpr float kMeshScale = 0.1f;
constexpr float kShadowFadeHeight = 50.0f;
constexpr float kChassisMass = 20.0f;
constexpr float kWheelMass = 0.02f;
// The game's own gravity, 80 x 9.80665, as a force on the chassis and an
// acceleration on each wheel.
constexpr float kGravity = 784.532f;
// Wheel grip along the rolling direction, in percent of the pair's friction.
constexpr float kRollingFriction = 70;

constexpr const char* kModelFiles[5] = {"data\\CarBlack.x", "data\\CarBlue.x", "data\\CarGreen.x", "data\\CarRed.x",
                                        "data\\CarYellow.x"};
constexpr const char* kShadowFile = "data\\cars_shadow.x";
constexpr const char* kWheelFile = "data\\wheel.x";
constexpr const char* kWheelShadowFile = "data\\wheel_shadow.x";
constexpr Vec3 kTrailColours[5] = {{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {1, 1, 0}};
// Car-local joint positions: 1 and 2 rear, 3 and 4 front (steered and driven).
constexpr Vec3 kWheelPlaces[4] = {{-1.3f, -0.3f, 1.0f}, {-1.3f, -0.3f, -1.0f}, {1.3f, -0.3f, -0.9f}, {1.3f, -0.3f, 0.9f}};

// Stall limit: a car that barely moves with its wheels spinning fast stops spinning them.
constexpr float kStallSpeed = 3.0f;
constexpr long double kStallSpin = 3000;
constexpr long double kStalledSpin = 400;

}  // namespace

std::vector<const char*> TCar::ModelFiles() {
    std::vector<const char*> files(std::begin(kModelFiles), std::end(kModelFiles));
    files.insert(files.end(), {kShadowFile, kWheelFile, kWheelShadowFile});
    return files;
}

void TCar::Create(int32_t model, const BonusGrid& bonuses) {
    EngineSound = iSoundCreate("sound/16.wav", -1);
    SpareSound = iSoundCreate("sound/1.wav", -1);
    AccelLowSound = iSoundCreate("sound/a1.wav", -1);
    AccelHighSound = iSoundCreate("sound/a2.wav", -1);
    SlowDownSound = iSoundCreate("sound/b.wav", -1);
    BumpSound = iSoundCreate("sound/4.wav", -1);

    const bool known = model >= 1 && model <= 5;
    ExhaustTrail = iTrailCreate("data\\trail.dds", 100);
    iTrailLifeTimeSet(ExhaustTrail, 0.3f);
    iTrailColorSet(ExhaustTrail, kTrailColours[known ? model - 1 : 0], {1, 1, 1});
    ExhaustEmitter = iTrailEmitterCreate(ExhaustTrail);
    iTrailEmitterScaleSet(ExhaustEmitter, 0.5f);
    iTrailShow(ExhaustTrail);
    for (int i = 0; i < 2; ++i) {
        SkidTrails[i] = iTrailCreate("data\\trail.dds", 100);
        iTrailLifeTimeSet(SkidTrails[i], 0.5f);
        iTrailColorSet(SkidTrails[i], {0, 0, 0}, {0, 0, 0});
        SkidEmitters[i] = iTrailEmitterCreate(SkidTrails[i]);
        iTrailShow(SkidTrails[i]);
    }

    Model = model;
    Chassis = iBodySGCreate("data\\Car_.spg", kChassisMass);
    iBodyDampingSet(Chassis, 0, 0.999f, 0, 0.97f);
    CarMesh = known ? iBodyMeshCreate(kModelFiles[model - 1], Chassis) : 0;
    iMeshScaleSet(CarMesh, kMeshScale, kMeshScale, kMeshScale);
    CarShadow = iMeshBodyShadowCasterCreate(kShadowFile, Chassis, kShadowFadeHeight);
    iMeshScaleSet(CarShadow, kMeshScale, kMeshScale, kMeshScale);

    for (int kind = 0; kind < TBonus::kKinds; ++kind) {
        for (int copy = 0; copy < 4; ++copy) {
            const TBonus* bonus = bonuses[kind][copy];
            const EngineHandle pair = iBodyBodyCreate(bonus ? bonus->Body : 0, Chassis);
            iBodyBodyCollisionResponseEnable(pair, 0);
            iBodyBodyFeedbackEnable(pair, -1, -1, -1);
            PickupPairs[kind][copy] = pair;
        }
    }

    const Quaternion mounting = iQuaternionFromAxisAngle({0, 1, 0}, -90);
    for (int w = 0; w < 4; ++w) {
        WheelBodies[w] = iBodySGCreate("data\\wheel_.spg", kWheelMass);
        WheelMeshes[w] = iBodyMeshCreate(kWheelFile, WheelBodies[w]);
        iMeshScaleSet(WheelMeshes[w], kMeshScale, kMeshScale, kMeshScale);
        WheelShadows[w] = iMeshBodyShadowCasterCreate(kWheelShadowFile, WheelBodies[w], kShadowFadeHeight);
        Wheels[w] = iWheelCreate(Chassis, WheelBodies[w], kWheelPlaces[w], mounting);
        iWheelSuspensionSet(Wheels[w], 1000.0f, 100.0f);
    }
}

void TCar::Rebuild(const BonusGrid& bonuses) { Create(Model, bonuses); }

void TCar::Reset() {
    iBodyPhysicsReset(Chassis);
    for (EngineHandle wheel : WheelBodies) iBodyPhysicsReset(wheel);
    iBodyEulerOrientationSet(Chassis, Rotation.x, Rotation.y, Rotation.z, "xyz", -1);
    iBodyLocationSet(Chassis, Location, -1);
    for (EngineHandle wheel : WheelBodies) iBodyLocationSet(wheel, Location, -1);
}

void TCar::Show() {
    iMeshShow(CarMesh);
    for (EngineHandle mesh : WheelMeshes) iMeshShow(mesh);
    if (Saved.settings.shadows) {
        iMeshShow(CarShadow);
    } else {
        iMeshHide(CarShadow);
    }
    EnableBodies();
}

void TCar::Hide() {
    DisableBodies();
    iMeshHide(CarMesh);
    for (EngineHandle mesh : WheelMeshes) iMeshHide(mesh);
    iMeshHide(CarShadow);
}

void TCar::EnableBodies() {
    iBodyEnable(Chassis);
    for (EngineHandle wheel : WheelBodies) iBodyEnable(wheel);
}

void TCar::DisableBodies() {
    iBodyDisable(Chassis);
    for (EngineHandle wheel : WheelBodies) iBodyDisable(wheel);
}

void TCar::Brake() {
    for (int w = 0; w < 2; ++w) {
        iWheelSpinSet(Wheels[w], static_cast<float>(Spin));
        iWheelPowerSet(Wheels[w], static_cast<float>(Power));
    }
    Braking = true;
}

bool TCar::IsOverturned() {
    Overturned = std::fabs(Roll - 270) < 10;
    return Overturned && OverturnedTime > 3;
}

void TCar::MeasureNow() {
    Location = iBodyLocation(Chassis);
    MeasureOrientation(iBodyOrientation(Chassis));
}

void TCar::MeasureOrientation(const Quaternion& orientation) {
    const Vec3 forward = iVectorRotate({1, 0, 0}, orientation);
    Heading = OrientationAngle(forward.z, forward.x);
    const Vec3 up = iVectorRotate({0, 1, 0}, orientation);
    Roll = OrientationAngle(up.y, up.z);
}

void TCar::Update(const CarRaceView& race) {
    if (!Overturned) {
        OverturnedTime = 0;
    } else {
        OverturnedTime += kTickSeconds * FrameScale;
    }
    if (ReverseTimer > 0) ReverseTimer -= kTickSeconds * FrameScale;

    MeasureNow();
    const Vec3 v = iBodyVelocity(Chassis);

    if (race.trackNo >= 1 && race.trackNo <= kTrackSlots) {
        const EngineHandle pair = ChassisTrackPairs[race.trackNo - 1];
        if (iBodyBodyFeedback(pair, -1, -1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) != 0 &&
            (v.x > 2 || v.z > 2) && !iSoundPlaying(BumpSound)) {
            iSoundPlayNow(BumpSound, 0);
        }
    }

    UpdateSounds();
    UpdateTrails(v);

    if (std::fabs(v.x) < kStallSpeed && std::fabs(v.z) < kStallSpeed && Spin > kStallSpin) Spin = kStalledSpin;

    iBodyForceApply(Chassis, {0, -kGravity, 0}, {0, 0, 0});
    for (EngineHandle wheel : WheelBodies) iBodyAccelerationApply(wheel, {0, -kGravity, 0});

    for (int w = 2; w < 4; ++w) {
        iWheelSpinSet(Wheels[w], static_cast<float>(Spin));
        iWheelPowerSet(Wheels[w], static_cast<float>(Power));
    }
    for (int w = 0; w < 2; ++w) {
        if (!Braking) iWheelPowerSet(Wheels[w], 0);
        iWheelSteeringAngleSet(Wheels[w], 0);
    }
    for (int w = 2; w < 4; ++w) iWheelSteeringAngleSet(Wheels[w], static_cast<float>(Steering));

    CollectPickups(race);

    PreviousSpin = Spin;
    Braking = false;
}

void TCar::PairWithTrack(int slot, EngineHandle tableBody, EngineHandle trackBody, float lateralFriction,
                         float friction) {
    if (slot < 1 || slot > kTrackSlots) return;
    ChassisTablePairs[slot - 1] = iBodyBodyCreate(Chassis, tableBody);
    ChassisTrackPairs[slot - 1] = iBodyBodyCreate(Chassis, trackBody);
    iBodyBodyFeedbackEnable(ChassisTrackPairs[slot - 1], -1, -1, -1);
    for (int w = 0; w < 4; ++w) {
        const EngineHandle pair = iBodyBodyCreate(WheelBodies[w], tableBody);
        iBodyBodySplitFrictionSet(pair, kRollingFriction, 0, lateralFriction, 0);
        iBodyBodyFrictionSet(pair, friction);
        WheelTablePairs[slot - 1][w] = pair;
    }
}

void TCar::StartOnGrid(int trackSlot, int gridSlot, float power) {
    if (trackSlot < 1 || trackSlot > kTrackSlots) return;
    const track_tables::GridEntry& grid = track_tables::kGrids[trackSlot - 1];
    const track_tables::PointXZ at = track_tables::GridSlotPosition(trackSlot, gridSlot);
    Location = {at.x, grid.baseY, at.z};
    Rotation = {0, grid.yaw, 0};
    Reset();
    Show();
    Spin = 0;
    Power = power;
    InRace = true;
}
