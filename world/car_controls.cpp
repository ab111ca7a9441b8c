// TCar's player controls: the driving keys turned into steering, wheel spin, braking and boost.
#include <cmath>

#include "core/frame_timer.h"
#include "core/settings.h"
#include "world/car.h"

namespace {

constexpr long double kTickSeconds = 0.013L;
constexpr long double kSteeringLimit = 30;
constexpr long double kSteeringRate = 2;       // per tick while a key is held
constexpr long double kSteeringReturn = 1;     // per tick back towards straight
constexpr long double kSteeringDeadZone = 1.1L;
constexpr long double kTopSpin = 7000;
constexpr long double kReverseSpin = -2000;
constexpr long double kAccelerateRate = 40;
constexpr long double kBrakeRate = 50;
constexpr long double kCoastRate = 40;
constexpr long double kCoastDeadZone = 20;
constexpr long double kBoostSpin = 9000;
constexpr long double kBoostRate = 100;
constexpr long double kBoostFadeRate = 50;
constexpr long double kPlayerPower = 2000;

}  // namespace

DrivingKeys TCar::ReadDrivingKeys(const Settings& settings) {
    DrivingKeys keys;
    keys.left = iKeyDown(settings.keyLeft) != 0;
    keys.right = iKeyDown(settings.keyRight) != 0;
    keys.accelerate = iKeyDown(settings.keyAccelerate) != 0;
    keys.brake = iKeyDown(settings.keyBrake) != 0;
    keys.boost = iKeyDown(settings.keyBoost) != 0;
    return keys;
}

void TCar::ApplyDrivingInputs(const DrivingKeys& keys) {
    const long double tick = FrameScale;

    // Normally left raises Steering (turns left) and right lowers it; a reversing
    // pickup swaps the keys. The lowering key is checked first either way.
    const bool reversed = ReverseTimer >= 0;
    const bool lower = reversed ? keys.left : keys.right;
    const bool raise = reversed ? keys.right : keys.left;
    if (lower) {
        if (Steering > -kSteeringLimit) Steering -= kSteeringRate * tick;
    } else if (raise) {
        if (Steering < kSteeringLimit) Steering += kSteeringRate * tick;
    } else if (std::fabs(Steering) > kSteeringDeadZone) {
        Steering -= std::copysign(kSteeringReturn * tick, Steering);
    } else {
        Steering = 0;
    }

    if (keys.accelerate) {
        if (Spin < kTopSpin) Spin += kAccelerateRate * tick;
    } else if (keys.brake) {
        if (Spin > kReverseSpin) {
            Spin -= kBrakeRate * tick;
            Brake();
        }
    } else if (std::fabs(Spin) > kCoastDeadZone) {
        Spin -= std::copysign(kCoastRate * tick, Spin);
    } else {
        Spin = 0;
    }

    if (keys.boost) {
        if (BoostReserve > 0) {
            BoostReserve -= kTickSeconds * tick;
            if (Spin < kBoostSpin) Spin += kBoostRate * tick;
        }
    } else if (Spin > kTopSpin) {
        Spin -= kBoostFadeRate * tick;
    }

    Power = kPlayerPower;
}
