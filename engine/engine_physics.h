// The engine's physics family: rigid bodies on ODE, body pairs, wheels and the fixed simulation step.
//
// The world:
// - World gravity is zero: the program applies its own gravity each frame.
// - Only bodies joined by a body pair touch; every other two bodies pass through
//   each other. A pair carries its contact parameters.
// - The simulation advances in fixed steps (iSimulationFrqSet): each frame the
//   engine runs as many steps as real time needs, at most 10 after a stall; a
//   step of 0 freezes everything.
// - Forces and accelerations given in a run step act on every simulation step
//   until the next run step, so the program's gravity does not depend on the
//   frame rate.
// Units: lengths in world units, mass in the units the program passes, time in
// seconds, angles in degrees. Every function accepts 0 and stale handles and then
// does nothing (getters return zeros and identity orientations).
#pragma once

#include "engine/engine.h"

// ---- Simulation -----------------------------------------------------------------
void iSimulationFrqSet(float stepSeconds);  // fixed step in seconds; 0 (or less) freezes the world

// ---- Bodies ---------------------------------------------------------------------
// A static triangle mesh from a ".ply" file (world units, relative to the body's
// origin). A triangle (a, b, c) is solid on the side away from (b - a) x (c - a),
// so that cross product must point out of the solid. It never moves by itself;
// iBodyLocationSet and the orientation setters place it.
EngineHandle iBodyCreate(const char* file);
// A body made of the spheres of a ".spg" file ("x y z radius" a line, relative to
// the body's origin). mass is the whole body's mass, shared by the spheres in
// proportion to their volumes; the centre of mass is where that puts it. mass 0
// gives a body that only the program moves.
EngineHandle iBodySGCreate(const char* file, float mass);
// One sphere centred on the body's origin; mass 0: a body only the program moves.
EngineHandle iBodySphereCreate(float radius, float mass);
void iBodyDestroy(EngineHandle body);      // also ends its pairs and the wheels it takes part in
void iBodyEnable(EngineHandle body);       // bodies start enabled
void iBodyDisable(EngineHandle body);      // a disabled body neither moves nor touches anything
void iBodyPhysicsReset(EngineHandle body); // stops it: velocities and this frame's forces become zero
// Velocity damping, per 1/75 s of simulated time: while the body's speed is above
// linearThreshold (units/s), its velocity keeps the fraction linearKeep; while its
// turning speed is above angularThreshold (degrees/s), its angular velocity keeps
// angularKeep. Keep 1 is no damping. Bodies start without damping.
void iBodyDampingSet(EngineHandle body, float linearThreshold, float linearKeep, float angularThreshold,
                     float angularKeep);

// Placement. The location is the body's origin (the origin of its file), not its
// centre of mass. carryWheels non-zero (the program passes -1): moving or turning a
// body moves the wheel bodies hung on it along, keeping their place on it, and a
// wheel body itself goes back to its place on its car (the location given is then
// not used). With 0 only the body itself is placed.
Vec3 iBodyLocation(EngineHandle body);
Vec3 iBodyLocationCM(EngineHandle body);  // the centre of mass in the world
void iBodyLocationSet(EngineHandle body, const Vec3& location, int carryWheels);
Quaternion iBodyOrientation(EngineHandle body);
void iBodyOrientationSet(EngineHandle body, const Quaternion& orientation, int carryWheels);
// Euler angles in degrees applied in the given order ("xyz": x first); a yaw of t
// about y maps +x to (cos t, 0, -sin t). The body turns about its origin.
void iBodyEulerOrientationSet(EngineHandle body, float rx, float ry, float rz, const char* order,
                              int carryWheels);
Vec3 iBodyVelocity(EngineHandle body);  // of the centre of mass, units per second
// A force in world axes at a point given in the body's own axes relative to its
// centre of mass ((0, 0, 0) pushes without turning). Acts on every simulation
// step until the next run step; forces given in the same run step add up.
void iBodyForceApply(EngineHandle body, const Vec3& force, const Vec3& point);
// An acceleration in world axes (units/s^2), whatever the body's mass; lasts like a force.
void iBodyAccelerationApply(EngineHandle body, const Vec3& acceleration);

// ---- Body pairs -----------------------------------------------------------------
// The only way two bodies touch. Creating a pair for two bodies that already have
// one gives that pair. 0 for a missing body or a body paired with itself.
EngineHandle iBodyBodyCreate(EngineHandle body1, EngineHandle body2);
void iBodyBodyDestroy(EngineHandle pair);
// Friction in hundredths of a Coulomb coefficient: 100 lets the sliding force reach
// the pressing force. Pairs start at 50.
void iBodyBodyFrictionSet(EngineHandle pair, float friction);
// Splits the friction of the pair's contacts with a wheel into two directions:
// mu along the wheel's rolling direction and mu2 across it, each in percent of the
// pair's friction (70 with friction 200 gives a coefficient of 1.4); slip1 and
// slip2 are ODE's force-dependent slip in those directions (0: none). Contacts of
// a pair without a wheel body keep the plain friction.
void iBodyBodySplitFrictionSet(EngineHandle pair, float mu, float slip1, float mu2, float slip2);
void iBodyBodyRestitutionSet(EngineHandle pair, float restitution);  // 0 no bounce .. 1 full bounce
// Collision response off: the bodies pass through each other, yet feedback still
// sees the touch (a sensor). Pairs start with response on.
void iBodyBodyCollisionResponseEnable(EngineHandle pair, int enabled);
// Feedback on: the engine notes when the pair touches. The two reserved flags keep
// the classic signature (the program passes -1).
void iBodyBodyFeedbackEnable(EngineHandle pair, int enabled, int reserved1, int reserved2);
// Non-zero when the pair touched since the previous query (with feedback on).
// clear non-zero starts the next period here; 0 only peeks. The six pointers, when
// not null, receive the last contact's point and normal (x, y, z each).
int iBodyBodyFeedback(EngineHandle pair, int clear, int reserved, float* pointX, float* pointY, float* pointZ,
                      float* normalX, float* normalY, float* normalZ);

// ---- Wheels ---------------------------------------------------------------------
// Hangs wheelBody on chassis at a point in the chassis's own axes (relative to
// its origin), with the wheel body turned by orientation relative to the chassis;
// the wheel body is moved there. The car's local +x is forward and +y up: the wheel
// steers about the chassis's y axis (with the suspension along it) and rolls about
// the chassis's z axis. A wheel ends with either of its bodies.
EngineHandle iWheelCreate(EngineHandle chassis, EngineHandle wheelBody, const Vec3& position,
                          const Quaternion& orientation);
void iWheelSuspensionSet(EngineHandle wheel, float spring, float damper);  // force per unit, per unit/s
void iWheelPowerSet(EngineHandle wheel, float maxTorque);  // the motor's torque limit; 0 lets the wheel roll free
// The motor's target spin in degrees per second; positive drives the car forward
// (7000 is about 61 units per second for a wheel of radius 0.5).
void iWheelSpinSet(EngineHandle wheel, float degreesPerSecond);
// Steering angle in degrees; positive turns the car left, towards a larger heading
// (from +x towards +z).
void iWheelSteeringAngleSet(EngineHandle wheel, float degrees);
