// Wheels: a wheel body hung on a chassis by an ODE hinge2 joint with suspension, steering and a motor.
//
// Axis 1 is the chassis's +y: the wheel steers about it and the suspension works
// along it. Axis 2 is the chassis's -z, so a positive spin rolls the car towards
// its +x. Steering drives the joint's first angle to the wanted angle within one
// step with a strong motor (stops at 80 degrees either way). ODE measures that
// angle as the chassis's turn against the wheel, so a positive angle turns the
// wheel about -y, which takes +x towards +z.
#include <algorithm>
#include <cmath>

#include "engine/math3d.h"
#include "engine/physics_world.h"

namespace engine {
namespace {

constexpr double kMaxSteering = 80 * kDegrees;
constexpr double kSteeringTorque = 1e5;
// The motor turns the wheel at this share of the spin it is given: a spin of 7000
// degrees a second rolls a wheel of radius 0.5 at about 49 units a second, a pace
// at which a computer driver still makes the bends.
constexpr double kGearing = 0.8;
constexpr double kSmallest = 1e-9;

void Forget(std::vector<EngineHandle>& list, EngineHandle handle) {
    list.erase(std::remove(list.begin(), list.end(), handle), list.end());
}

}  // namespace

EngineHandle PhysicsWorld::CreateWheel(EngineHandle chassis, EngineHandle wheelBody, const Vec3& position,
                                       const Quaternion& mounting) {
    PhysicsBody* car = bodies_.Get(chassis);
    PhysicsBody* body = bodies_.Get(wheelBody);
    if (!car || !body || chassis == wheelBody || car->kind != PhysicsBody::Kind::Dynamic ||
        body->kind != PhysicsBody::Kind::Dynamic || body->hungOn || car->hungOn ||
        !std::isfinite(position.x + position.y + position.z)) {
        return 0;
    }
    Wheel wheel;
    wheel.chassis = chassis;
    wheel.wheelBody = wheelBody;
    wheel.position = position;
    wheel.mounting = QuatNormalized(mounting);
    const EngineHandle handle = wheels_.Add(wheel);
    if (!handle) return 0;
    car->wheels.push_back(handle);
    body->hungOn = handle;

    const Vec3 origin = Location(chassis);
    const Quaternion turn = Orientation(chassis);
    const Vec3 anchor = Add(origin, QuatRotate(turn, position));
    PlaceOnly(*body, anchor, QuatMul(turn, wheel.mounting));
    dBodySetLinearVel(body->body, 0, 0, 0);
    dBodySetAngularVel(body->body, 0, 0, 0);

    dJointID joint = dJointCreateHinge2(world_, nullptr);
    dJointAttach(joint, car->body, body->body);
    dJointSetHinge2Anchor(joint, anchor.x, anchor.y, anchor.z);
    const Vec3 up = QuatRotate(turn, {0, 1, 0});
    const Vec3 axle = QuatRotate(turn, {0, 0, -1});
    const dReal axis1[3] = {up.x, up.y, up.z};
    const dReal axis2[3] = {axle.x, axle.y, axle.z};
    dJointSetHinge2Axes(joint, axis1, axis2);
    dJointSetHinge2Param(joint, dParamLoStop, -kMaxSteering);
    dJointSetHinge2Param(joint, dParamHiStop, kMaxSteering);
    wheels_.Get(handle)->joint = joint;
    return handle;
}

void PhysicsWorld::DestroyWheel(EngineHandle handle) {
    Wheel* wheel = wheels_.Get(handle);
    if (!wheel) return;
    if (wheel->joint) dJointDestroy(wheel->joint);
    if (PhysicsBody* car = bodies_.Get(wheel->chassis)) Forget(car->wheels, handle);
    if (PhysicsBody* body = bodies_.Get(wheel->wheelBody)) body->hungOn = 0;
    wheels_.Remove(handle);
}

void PhysicsWorld::PrepareWheel(Wheel& wheel) {
    if (!wheel.joint) return;
    const double springStep = step_ * std::max(0.0f, wheel.spring);
    const double damper = std::max(0.0f, wheel.damper);
    const double sum = std::max(springStep + damper, kSmallest);
    dJointSetHinge2Param(wheel.joint, dParamSuspensionERP, springStep / sum);
    dJointSetHinge2Param(wheel.joint, dParamSuspensionCFM, 1.0 / sum);

    const double target = std::clamp(double(wheel.steeringDegrees) * kDegrees, -kMaxSteering, kMaxSteering);
    const double error = target - dJointGetHinge2Angle1(wheel.joint);
    dJointSetHinge2Param(wheel.joint, dParamVel, error / step_);
    dJointSetHinge2Param(wheel.joint, dParamFMax, kSteeringTorque);
    // ODE drives the first body relative to the second: the chassis turns against the wheel.
    dJointSetHinge2Param(wheel.joint, dParamVel2, -double(wheel.spinDegrees) * kDegrees * kGearing);
    dJointSetHinge2Param(wheel.joint, dParamFMax2, std::max(0.0f, wheel.power));
}

}  // namespace engine
