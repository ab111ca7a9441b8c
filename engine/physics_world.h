// PhysicsWorld: one opening's ODE world with its bodies, body pairs and wheels, stepped at a fixed rate.
//
// The engine's frame calls PhysicsFrame once per frame, after the run phase, with
// the frame's duration; iEngineClose calls PhysicsClose. The renderer reads the
// pose of the body a mesh is bound to with PhysicsBodyPose.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include <ode/ode.h>

#include "engine/collision_shape_loader.h"
#include "engine/engine.h"
#include "engine/handle_pool.h"
#include "engine/physics_objects.h"

namespace engine {

// Runs the fixed simulation steps this frame's real time needs (frameSeconds, the
// engine's frame time). Forces given in the run step before it act on each of them.
void PhysicsFrame(float frameSeconds);
// Ends every body, pair and wheel; handles from before stay harmless. The step survives.
void PhysicsClose();
// The body's origin and orientation, as iBodyLocation and iBodyOrientation give
// them; false (and nothing written) for 0 or a stale handle.
bool PhysicsBodyPose(EngineHandle body, Vec3* location, Quaternion* orientation);

class PhysicsWorld {
public:
    static constexpr int kMaxStepsPerFrame = 10;  // after a stall the rest of the time is dropped
    static constexpr double kDefaultStep = 0.01333;

    static PhysicsWorld& Current();   // made on first use
    static PhysicsWorld* Existing();  // nullptr while none is made
    static void CloseCurrent();

    explicit PhysicsWorld(double step);
    PhysicsWorld(const PhysicsWorld&) = delete;
    PhysicsWorld& operator=(const PhysicsWorld&) = delete;
    ~PhysicsWorld();

    void SetStep(double seconds);  // 0 or less (or not a number) freezes
    double StepSeconds() const { return step_; }
    // Runs the steps frameSeconds needs and returns how many ran; ends the frame's forces.
    int Advance(double frameSeconds);
    void StepOnce();  // one fixed step (nothing while frozen)

    EngineHandle CreateMeshBody(std::shared_ptr<CollisionMesh> mesh);
    EngineHandle CreateSphereBody(const std::vector<CollisionSphere>& spheres, float mass);
    void DestroyBody(EngineHandle body);
    PhysicsBody* Body(EngineHandle body) { return bodies_.Get(body); }
    // Bodies, pairs and wheels alive: what a leak check counts.
    size_t LiveObjects() const { return bodies_.Count() + pairs_.Count() + wheels_.Count(); }
    void SetEnabled(EngineHandle body, bool enabled);
    void StopMotion(EngineHandle body);

    Vec3 Location(EngineHandle body);
    Vec3 CentreOfMass(EngineHandle body);
    Quaternion Orientation(EngineHandle body);
    Vec3 Velocity(EngineHandle body);
    void Place(EngineHandle body, const Vec3& origin, const Quaternion& orientation, bool carryWheels);
    void AddForce(EngineHandle body, const Vec3& force, const Vec3& point);
    void AddAcceleration(EngineHandle body, const Vec3& acceleration);

    EngineHandle CreatePair(EngineHandle body1, EngineHandle body2);
    void DestroyPair(EngineHandle pair);
    BodyPair* Pair(EngineHandle pair) { return pairs_.Get(pair); }

    EngineHandle CreateWheel(EngineHandle chassis, EngineHandle wheelBody, const Vec3& position,
                             const Quaternion& mounting);
    Wheel* WheelOf(EngineHandle wheel) { return wheels_.Get(wheel); }

private:
    // Hands Collide every two geoms of an enabled pair whose boxes overlap: only
    // paired bodies touch, so nothing else is tested.
    void FindContacts();
    // The body's box (and its geoms' boxes) at this step, worked out once a step.
    const BodyBounds& Bounds(PhysicsBody& body);
    void Collide(dGeomID geom1, dGeomID geom2);
    void FillSurface(const BodyPair& pair, EngineHandle body1, EngineHandle body2, dContact* contact);
    // The share of a tyre's sideways grip left at this contact, 0..1 (see kGripLossSlip).
    double GripLeft(const Wheel& wheel, const dContact& contact) const;
    void PrepareBody(PhysicsBody& body);
    void PrepareWheel(Wheel& wheel);
    void PlaceOnly(PhysicsBody& body, const Vec3& origin, const Quaternion& orientation);
    void DestroyWheel(EngineHandle wheel);
    EngineHandle AddBody(PhysicsBody record);  // gives the geoms the handle; 0 (and nothing left) when full
    static uint64_t PairKey(EngineHandle a, EngineHandle b);

    dWorldID world_ = nullptr;
    dJointGroupID contacts_ = nullptr;
    double step_ = 0;
    double accumulated_ = 0;
    uint64_t frame_ = 1;
    uint64_t steps_ = 0;  // steps run; stamps the bodies' boxes
    HandlePool<PhysicsBody> bodies_;
    HandlePool<BodyPair> pairs_;
    HandlePool<Wheel> wheels_;
    std::unordered_map<uint64_t, EngineHandle> pairByBodies_;
};

}  // namespace engine
