// The records behind body, body pair and wheel handles of the physics world.
//
// Records hold ODE ids but never own them: PhysicsWorld creates and destroys the
// ODE objects, so a record may be moved freely inside its handle pool.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <ode/ode.h>

#include "engine/engine.h"

namespace engine {

class TriangleGrid;

// A triangle mesh's arrays, kept alive as long as ODE's mesh data points into them.
struct CollisionMesh {
    std::vector<double> vertices;  // x, y, z per vertex
    std::vector<dTriIndex> indices;  // three per triangle
    dTriMeshDataID data = nullptr;
    ~CollisionMesh() {
        if (data) dGeomTriMeshDataDestroy(data);
    }
};

// One force given in this run step: world axes, at a point in the body's axes
// relative to its centre of mass.
struct FrameForce {
    Vec3 force, point;
};

// A box in world axes: low x, high x, low y, high y, low z, high z (ODE's order).
using Box = std::array<dReal, 6>;

// A body's box around all its geoms and each geom's own, as of one step.
struct BodyBounds {
    uint64_t step = 0;  // 0: never worked out
    Box all{};
    std::vector<Box> geoms;  // in the order of PhysicsBody::geoms
};

struct PhysicsBody {
    enum class Kind { Static, Kinematic, Dynamic };
    Kind kind = Kind::Static;
    dBodyID body = nullptr;  // none for static bodies
    std::vector<dGeomID> geoms;
    std::shared_ptr<CollisionMesh> mesh;  // static triangle-mesh bodies
    std::shared_ptr<TriangleGrid> grid;   // the mesh where it stands; made when first needed
    Vec3 staticLocation;                  // static bodies: the origin
    Quaternion staticOrientation;
    Vec3 centreOfMass;  // in the body's axes, relative to its origin
    float mass = 0;     // 0 for static and kinematic bodies
    bool enabled = true;
    float linearThreshold = 0, linearKeep = 1, angularThreshold = 0, angularKeep = 1;
    uint64_t forceFrame = 0;  // the frame the forces below were given in
    std::vector<FrameForce> forces;
    Vec3 acceleration;
    EngineHandle hungOn = 0;            // the wheel that hangs this body on a chassis
    std::vector<EngineHandle> wheels;   // the wheels hung on this body (it is their chassis)
    std::vector<EngineHandle> pairs;
    BodyBounds bounds;
};

struct BodyPair {
    EngineHandle body1 = 0, body2 = 0;
    float friction = 50;  // hundredths of a Coulomb coefficient
    bool split = false;
    float mu = 100, slip1 = 0, mu2 = 100, slip2 = 0;  // percent of friction; ODE slips
    float restitution = 0;
    bool response = true;
    bool feedback = false;
    bool touched = false;
    Vec3 lastPoint, lastNormal;
};

struct Wheel {
    EngineHandle chassis = 0, wheelBody = 0;
    dJointID joint = nullptr;
    Vec3 position;            // on the chassis, in its axes, relative to its origin
    Quaternion mounting;      // the wheel body's orientation relative to the chassis
    float spring = 1000, damper = 100;
    float power = 0, spinDegrees = 0, steeringDegrees = 0;
};

}  // namespace engine
