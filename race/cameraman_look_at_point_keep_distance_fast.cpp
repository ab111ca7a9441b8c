// The chase camera: a sphere pulled towards a point behind and above the target, the camera riding on it.
#include "race/cameraman_look_at_point_keep_distance_fast.h"

#include "engine/engine.h"

namespace {

constexpr float kSphereMass = 1.0f;
constexpr float kAngularKeep = 0.95f;
// The sphere's damping goes from MinDamping at a gap of 1 unit to none at 1000 units.
constexpr float kNearGap = 1.0f;
constexpr float kFarGap = 1000.0f;

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

}  // namespace

CameramanLookAtPointKeepDistanceFast_t::CameramanLookAtPointKeepDistanceFast_t(
    EngineHandle camera, float radius, float distance, float height, float pull, float damping, float turnTime,
    std::span<const EngineHandle> bodies)
    : Camera(camera), Distance(distance), Height(height), Pull(pull), MinDamping(damping), TurnTime(turnTime) {
    Sphere = iBodySphereCreate(radius, kSphereMass);
    iBodyDampingSet(Sphere, 0, damping, 0, kAngularKeep);
    iBodyLocationSet(Sphere, iCameraLocation(Camera), -1);
    if (!bodies.empty()) {
        while (ContactCount < static_cast<int32_t>(bodies.size()) && bodies[ContactCount] != 0) ++ContactCount;
        ContactPairs.resize(ContactCount);
        for (int32_t i = 0; i < ContactCount; ++i) {
            const EngineHandle pair = iBodyBodyCreate(Sphere, bodies[i]);
            iBodyBodyRestitutionSet(pair, 0);
            iBodyBodyFrictionSet(pair, 0);
            ContactPairs[i] = pair;
        }
    }
    iBodyEnable(Sphere);
}

CameramanLookAtPointKeepDistanceFast_t::~CameramanLookAtPointKeepDistanceFast_t() {
    if (!ContactPairs.empty()) {
        for (int32_t i = 0; i < ContactCount; ++i) iBodyBodyDestroy(ContactPairs[i]);
        ContactPairs.clear();
    }
    iBodyDestroy(Sphere);
}

void CameramanLookAtPointKeepDistanceFast_t::Follow(const Vec3& target) {
    const Quaternion current = iCameraOrientation(Camera);
    const Vec3 p = iBodyLocation(Sphere);

    const Vec3 offset = iVectorLengthSet(Minus(p, target), Distance);
    Vec3 wanted{target.x + offset.x, target.y + offset.y, target.z + offset.z};
    wanted.y = target.y + Height;

    const Vec3 gap = Minus(wanted, p);
    const float length = iVectorLength(gap);
    const Vec3 push = iVectorLengthSet(gap, length * Pull);
    const float damping = iFloatInterpolate(length, kNearGap, kFarGap, MinDamping, 1.0f, -1);
    iBodyDampingSet(Sphere, 0, damping, 0, kAngularKeep);
    iBodyAccelerationApply(Sphere, push);

    const float frame = iFrq();
    const float t = frame >= TurnTime ? 1.0f : frame / TurnTime;
    const Quaternion look = iQuaternionLookAt(Minus(target, p), nullptr);
    iCameraOrientationSet(Camera, iQuaternionInterpolate(current, look, t));
    iCameraLocationSet(Camera, p);
}

std::unique_ptr<CameramanLookAtPointKeepDistanceFast_t> CameramanLookAtPointKeepDistanceFast_t::ForRace(
    EngineHandle camera) {
    constexpr float kRadius = 1.0f, kDistance = 10.0f, kHeight = 20.0f, kPull = 10.0f, kDamping = 0.9f,
                    kTurnTime = 0.1f;
    return std::make_unique<CameramanLookAtPointKeepDistanceFast_t>(camera, kRadius, kDistance, kHeight, kPull,
                                                                    kDamping, kTurnTime,
                                                                    std::span<const EngineHandle>{});
}
