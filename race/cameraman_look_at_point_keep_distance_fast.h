// CameramanLookAtPointKeepDistanceFast_t: the race's chase camera, carried by a damped physics sphere.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "engine/engine.h"

// Each racing frame Follow pulls a small sphere towards a point Distance from the
// target on the sphere's own side of it, Height above it, puts the camera where the
// sphere is and turns the camera towards the target over TurnTime seconds. The
// sphere moves under the engine's simulation, so the camera trails softly and
// never jumps. The object owns the sphere and its contact pairs; the start-up code
// makes a new one whenever it builds the engine scene.
class CameramanLookAtPointKeepDistanceFast_t {
public:
    // camera: the engine camera to drive; radius of the sphere; distance and height of
    // the wanted point; pull: acceleration per unit of gap; damping: the sphere's
    // damping near the wanted point; turnTime in seconds; bodies: the sphere touches
    // these (up to the first zero handle). The sphere starts where the camera stands.
    CameramanLookAtPointKeepDistanceFast_t(EngineHandle camera, float radius, float distance, float height,
                                           float pull, float damping, float turnTime,
                                           std::span<const EngineHandle> bodies);
    // The race's camera: radius 1, distance 10, height 20, pull 10, damping 0.9, a
    // tenth of a second to turn, touching nothing.
    static std::unique_ptr<CameramanLookAtPointKeepDistanceFast_t> ForRace(EngineHandle camera);
    // Ends the contact pairs and the sphere.
    ~CameramanLookAtPointKeepDistanceFast_t();
    CameramanLookAtPointKeepDistanceFast_t(const CameramanLookAtPointKeepDistanceFast_t&) = delete;
    CameramanLookAtPointKeepDistanceFast_t& operator=(const CameramanLookAtPointKeepDistanceFast_t&) = delete;

    // Once per racing frame with the centre of mass of the followed chassis.
    void Follow(const Vec3& target);

    EngineHandle Camera = 0;
    EngineHandle Sphere = 0;
    float Distance = 0;
    float Height = 0;
    float Pull = 0;
    float MinDamping = 0;
    float TurnTime = 0;
    std::vector<EngineHandle> ContactPairs;
    int32_t ContactCount = 0;
};
