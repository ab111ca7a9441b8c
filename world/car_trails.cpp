// TCar's trails: the coloured exhaust ribbon behind the car and the skid marks under the front wheels.
#include <cmath>

#include "engine/engine.h"
#include "world/car.h"

namespace {

constexpr long double kExhaustBack = 2.8L;      // behind the chassis origin
constexpr float kExhaustUp = 2.0f;
constexpr long double kExhaustTurn = 0.349066L;  // 20 degrees, radians
// The car leaves skid marks only on the ground: its chassis lower than this.
constexpr float kGroundHeight = -47.0f;
constexpr long double kSkidSteering = 5;
constexpr float kSkidSpeed = 6.0f;
constexpr long double kSkidSpinJump = 40;  // a spin change per frame larger than this skids

}  // namespace

void TCar::UpdateTrails(const Vec3& velocity) {
    const long double h = Heading * 3.14159265358979323846L / 180 + kExhaustTurn;
    const Vec3 exhaust{static_cast<float>(Location.x - kExhaustBack * std::cos(h)), Location.y + kExhaustUp,
                       static_cast<float>(Location.z - kExhaustBack * std::sin(h))};
    iTrailEmitterLocationSet(ExhaustEmitter, exhaust);
    const Vec3 up{0, 1, 0};
    const Quaternion along = iQuaternionLookAt(velocity, &up);
    iTrailEmitterOrientationSet(ExhaustEmitter, along);
    if (std::fabs(velocity.x) > 1 || std::fabs(velocity.z) > 1) iTrailEmitterEmit(ExhaustEmitter, 8.0f, 1.0f);

    // Only positive steering counts, as the game always had it.
    const bool turning = Steering > kSkidSteering && std::fabs(velocity.x) > kSkidSpeed &&
                         std::fabs(velocity.z) > kSkidSpeed;
    const long double spinDrop = std::fabs(PreviousSpin) - std::fabs(Spin);
    const bool skidding = Location.y < kGroundHeight && (turning || spinDrop > kSkidSpinJump || spinDrop < -kSkidSpinJump);
    for (int i = 0; i < 2; ++i) {
        if (skidding) {
            const Vec3 wheel = iBodyLocation(WheelBodies[2 + i]);
            iTrailEmitterLocationSet(SkidEmitters[i], {wheel.x, wheel.y - 0.3f, wheel.z});
            iTrailEmitterOrientationSet(SkidEmitters[i], along);
            iTrailEmitterEmit(SkidEmitters[i], 10.0f, 1.0f);
        } else {
            iTrailEmitterCut(SkidEmitters[i]);
        }
    }
}
