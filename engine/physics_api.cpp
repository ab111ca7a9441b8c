// The physics family of the engine's functions, on the current PhysicsWorld.
#include <cmath>

#include "engine/collision_shape_loader.h"
#include "engine/engine.h"
#include "engine/engine_log.h"
#include "engine/math3d.h"
#include "engine/physics_world.h"

using engine::PhysicsWorld;

namespace {

PhysicsWorld& World() { return PhysicsWorld::Current(); }

// Only an existing world can hold the object a handle names.
PhysicsWorld* Existing() { return PhysicsWorld::Existing(); }

}  // namespace

void iSimulationFrqSet(float stepSeconds) { World().SetStep(stepSeconds); }

EngineHandle iBodyCreate(const char* file) {
    if (!file) return 0;
    auto mesh = engine::CollisionShapeLoader::LoadMesh(file);
    return mesh ? World().CreateMeshBody(std::move(mesh)) : 0;
}

EngineHandle iBodySGCreate(const char* file, float mass) {
    if (!file) return 0;
    if (!std::isfinite(mass) || mass < 0) {
        engine::EngineLog::CannotLoad(file, "mass below zero");
        return 0;
    }
    auto spheres = engine::CollisionShapeLoader::LoadSphereGroup(file);
    return spheres ? World().CreateSphereBody(*spheres, mass) : 0;
}

EngineHandle iBodySphereCreate(float radius, float mass) {
    if (!std::isfinite(radius) || radius <= 0 || !std::isfinite(mass) || mass < 0) return 0;
    return World().CreateSphereBody({engine::CollisionSphere{{}, radius}}, mass);
}

void iBodyDestroy(EngineHandle body) {
    if (PhysicsWorld* world = Existing()) world->DestroyBody(body);
}

void iBodyEnable(EngineHandle body) {
    if (PhysicsWorld* world = Existing()) world->SetEnabled(body, true);
}

void iBodyDisable(EngineHandle body) {
    if (PhysicsWorld* world = Existing()) world->SetEnabled(body, false);
}

void iBodyPhysicsReset(EngineHandle body) {
    if (PhysicsWorld* world = Existing()) world->StopMotion(body);
}

void iBodyDampingSet(EngineHandle body, float linearThreshold, float linearKeep, float angularThreshold,
                     float angularKeep) {
    PhysicsWorld* world = Existing();
    engine::PhysicsBody* record = world ? world->Body(body) : nullptr;
    if (!record) return;
    const auto keep = [](float value) { return std::isfinite(value) ? std::fmin(1.0f, std::fmax(0.0f, value)) : 1.0f; };
    const auto threshold = [](float value) { return std::isfinite(value) ? std::fmax(0.0f, value) : 0.0f; };
    record->linearThreshold = threshold(linearThreshold);
    record->linearKeep = keep(linearKeep);
    record->angularThreshold = threshold(angularThreshold);
    record->angularKeep = keep(angularKeep);
}

Vec3 iBodyLocation(EngineHandle body) {
    PhysicsWorld* world = Existing();
    return world ? world->Location(body) : Vec3{};
}

Vec3 iBodyLocationCM(EngineHandle body) {
    PhysicsWorld* world = Existing();
    return world ? world->CentreOfMass(body) : Vec3{};
}

void iBodyLocationSet(EngineHandle body, const Vec3& location, int carryWheels) {
    PhysicsWorld* world = Existing();
    if (!world || !world->Body(body)) return;
    world->Place(body, location, world->Orientation(body), carryWheels != 0);
}

Quaternion iBodyOrientation(EngineHandle body) {
    PhysicsWorld* world = Existing();
    return world ? world->Orientation(body) : Quaternion{};
}

void iBodyOrientationSet(EngineHandle body, const Quaternion& orientation, int carryWheels) {
    PhysicsWorld* world = Existing();
    if (!world || !world->Body(body)) return;
    if (!std::isfinite(orientation.x + orientation.y + orientation.z + orientation.w)) return;
    world->Place(body, world->Location(body), engine::QuatNormalized(orientation), carryWheels != 0);
}

void iBodyEulerOrientationSet(EngineHandle body, float rx, float ry, float rz, const char* order, int carryWheels) {
    if (!std::isfinite(rx + ry + rz)) return;
    iBodyOrientationSet(body, engine::QuatEuler(rx, ry, rz, order), carryWheels);
}

Vec3 iBodyVelocity(EngineHandle body) {
    PhysicsWorld* world = Existing();
    return world ? world->Velocity(body) : Vec3{};
}

void iBodyForceApply(EngineHandle body, const Vec3& force, const Vec3& point) {
    if (PhysicsWorld* world = Existing()) world->AddForce(body, force, point);
}

void iBodyAccelerationApply(EngineHandle body, const Vec3& acceleration) {
    if (PhysicsWorld* world = Existing()) world->AddAcceleration(body, acceleration);
}

EngineHandle iBodyBodyCreate(EngineHandle body1, EngineHandle body2) {
    PhysicsWorld* world = Existing();
    return world ? world->CreatePair(body1, body2) : 0;
}

void iBodyBodyDestroy(EngineHandle pair) {
    if (PhysicsWorld* world = Existing()) world->DestroyPair(pair);
}

namespace {

engine::BodyPair* PairOf(EngineHandle pair) {
    PhysicsWorld* world = Existing();
    return world ? world->Pair(pair) : nullptr;
}

float NonNegative(float value) { return std::isfinite(value) && value > 0 ? value : 0.0f; }

}  // namespace

void iBodyBodyFrictionSet(EngineHandle pair, float friction) {
    if (engine::BodyPair* record = PairOf(pair)) record->friction = NonNegative(friction);
}

void iBodyBodySplitFrictionSet(EngineHandle pair, float mu, float slip1, float mu2, float slip2) {
    engine::BodyPair* record = PairOf(pair);
    if (!record) return;
    record->split = true;
    record->mu = NonNegative(mu);
    record->slip1 = NonNegative(slip1);
    record->mu2 = NonNegative(mu2);
    record->slip2 = NonNegative(slip2);
}

void iBodyBodyRestitutionSet(EngineHandle pair, float restitution) {
    if (engine::BodyPair* record = PairOf(pair)) record->restitution = std::fmin(1.0f, NonNegative(restitution));
}

void iBodyBodyCollisionResponseEnable(EngineHandle pair, int enabled) {
    if (engine::BodyPair* record = PairOf(pair)) record->response = enabled != 0;
}

void iBodyBodyFeedbackEnable(EngineHandle pair, int enabled, int, int) {
    engine::BodyPair* record = PairOf(pair);
    if (!record) return;
    record->feedback = enabled != 0;
    record->touched = false;
}

int iBodyBodyFeedback(EngineHandle pair, int clear, int, float* pointX, float* pointY, float* pointZ,
                      float* normalX, float* normalY, float* normalZ) {
    engine::BodyPair* record = PairOf(pair);
    if (!record || !record->feedback || !record->touched) return 0;
    if (pointX) *pointX = record->lastPoint.x;
    if (pointY) *pointY = record->lastPoint.y;
    if (pointZ) *pointZ = record->lastPoint.z;
    if (normalX) *normalX = record->lastNormal.x;
    if (normalY) *normalY = record->lastNormal.y;
    if (normalZ) *normalZ = record->lastNormal.z;
    if (clear) record->touched = false;
    return 1;
}

EngineHandle iWheelCreate(EngineHandle chassis, EngineHandle wheelBody, const Vec3& position,
                          const Quaternion& orientation) {
    PhysicsWorld* world = Existing();
    return world ? world->CreateWheel(chassis, wheelBody, position, orientation) : 0;
}

namespace {

engine::Wheel* WheelRecord(EngineHandle wheel) {
    PhysicsWorld* world = Existing();
    return world ? world->WheelOf(wheel) : nullptr;
}

float Finite(float value) { return std::isfinite(value) ? value : 0.0f; }

}  // namespace

void iWheelSuspensionSet(EngineHandle wheel, float spring, float damper) {
    engine::Wheel* record = WheelRecord(wheel);
    if (!record) return;
    record->spring = NonNegative(spring);
    record->damper = NonNegative(damper);
}

void iWheelPowerSet(EngineHandle wheel, float maxTorque) {
    if (engine::Wheel* record = WheelRecord(wheel)) record->power = NonNegative(maxTorque);
}

void iWheelSpinSet(EngineHandle wheel, float degreesPerSecond) {
    if (engine::Wheel* record = WheelRecord(wheel)) record->spinDegrees = Finite(degreesPerSecond);
}

void iWheelSteeringAngleSet(EngineHandle wheel, float degrees) {
    if (engine::Wheel* record = WheelRecord(wheel)) record->steeringDegrees = Finite(degrees);
}
