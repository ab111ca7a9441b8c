// The physics world: ODE set-up, fixed stepping, bodies and their placement.
#include "engine/physics_world.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "engine/engine_log.h"
#include "engine/math3d.h"

namespace engine {
namespace {

// Damping keeps are given per 1/75 s of simulated time.
constexpr double kDampingPeriod = 1.0 / 75.0;
// How far below its lowest sphere a sphere group's weight sits.
constexpr float kWeightBelow = 0.3f;

std::unique_ptr<PhysicsWorld>& CurrentWorld() {
    static std::unique_ptr<PhysicsWorld> world;
    return world;
}

// Program-wide, surviving re-opens: the step, so that a step set before a re-open
// still holds after it.
double& RememberedStep() {
    static double step = PhysicsWorld::kDefaultStep;
    return step;
}

void OdeMessage(int number, const char* message, va_list arguments) {
    static int reported = 0;
    if (++reported > 5) return;
    char text[256];
    std::vsnprintf(text, sizeof text, message, arguments);
    EngineLog::Write("physics: ODE message " + std::to_string(number) + ": " + text);
}

void InitialiseOde() {
    static bool done = false;
    if (done) return;
    done = true;
    dInitODE2(0);
    dAllocateODEDataForThread(dAllocateMaskAll);
    dSetMessageHandler(OdeMessage);
}

Quaternion Conjugate(const Quaternion& q) { return {-q.x, -q.y, -q.z, q.w}; }

Quaternion FromOde(const dReal* q) {
    return QuatNormalized({float(q[1]), float(q[2]), float(q[3]), float(q[0])});
}

void ToOde(const Quaternion& q, dQuaternion out) {
    const Quaternion n = QuatNormalized(q);
    out[0] = n.w;
    out[1] = n.x;
    out[2] = n.y;
    out[3] = n.z;
}

Vec3 ToVec3(const dReal* v) { return {float(v[0]), float(v[1]), float(v[2])}; }

bool Finite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

void ScaleVelocity(const dReal* velocity, double factor, dReal* out) {
    for (int i = 0; i < 3; ++i) out[i] = velocity[i] * factor;
}

}  // namespace

void PhysicsFrame(float frameSeconds) {
    if (PhysicsWorld* world = PhysicsWorld::Existing()) world->Advance(frameSeconds);
}

void PhysicsClose() { PhysicsWorld::CloseCurrent(); }

bool PhysicsBodyPose(EngineHandle body, Vec3* location, Quaternion* orientation) {
    PhysicsWorld* world = PhysicsWorld::Existing();
    if (!world || !world->Body(body)) return false;
    if (location) *location = world->Location(body);
    if (orientation) *orientation = world->Orientation(body);
    return true;
}

PhysicsWorld& PhysicsWorld::Current() {
    auto& world = CurrentWorld();
    if (!world) {
        world = std::make_unique<PhysicsWorld>(RememberedStep());
    }
    return *world;
}

PhysicsWorld* PhysicsWorld::Existing() { return CurrentWorld().get(); }

void PhysicsWorld::CloseCurrent() {
    auto& world = CurrentWorld();
    if (world) RememberedStep() = world->StepSeconds();
    world.reset();
}

PhysicsWorld::PhysicsWorld(double step)
    : bodies_(HandleFamily::Body), pairs_(HandleFamily::BodyPair), wheels_(HandleFamily::Wheel) {
    InitialiseOde();
    world_ = dWorldCreate();
    dWorldSetGravity(world_, 0, 0, 0);
    dWorldSetERP(world_, 0.2);
    dWorldSetCFM(world_, 1e-5);
    dWorldSetContactMaxCorrectingVel(world_, 20);
    dWorldSetContactSurfaceLayer(world_, 0.005);
    dWorldSetAutoDisableFlag(world_, 0);
    dRandSetSeed(0);  // ODE draws from one global generator; each world starts it afresh
    contacts_ = dJointGroupCreate(0);
    SetStep(step);
}

PhysicsWorld::~PhysicsWorld() {
    dJointGroupDestroy(contacts_);
    bodies_.ForEach([](EngineHandle, PhysicsBody& body) {
        for (dGeomID geom : body.geoms) dGeomDestroy(geom);
    });
    bodies_.Clear();  // mesh data outlives the geoms that used it
    dWorldDestroy(world_);  // destroys every body and joint
}

void PhysicsWorld::SetStep(double seconds) { step_ = std::isfinite(seconds) && seconds > 0 ? seconds : 0; }

int PhysicsWorld::Advance(double frameSeconds) {
    int steps = 0;
    if (step_ > 0 && std::isfinite(frameSeconds) && frameSeconds > 0) {
        accumulated_ += frameSeconds;
        const double wanted = std::floor(accumulated_ / step_ + 1e-9);
        if (wanted > kMaxStepsPerFrame) {
            steps = kMaxStepsPerFrame;
            accumulated_ = 0;
        } else {
            steps = int(wanted);
            accumulated_ = std::max(0.0, accumulated_ - steps * step_);
        }
    } else if (step_ <= 0) {
        accumulated_ = 0;
    }
    for (int i = 0; i < steps; ++i) StepOnce();
    ++frame_;
    return steps;
}

void PhysicsWorld::StepOnce() {
    if (step_ <= 0) return;
    bodies_.ForEach([this](EngineHandle, PhysicsBody& body) { PrepareBody(body); });
    wheels_.ForEach([this](EngineHandle, Wheel& wheel) { PrepareWheel(wheel); });
    FindContacts();
    dWorldStep(world_, step_);
    dJointGroupEmpty(contacts_);
}

void PhysicsWorld::PrepareBody(PhysicsBody& body) {
    if (body.kind != PhysicsBody::Kind::Dynamic || !body.enabled) return;
    const double periods = step_ / kDampingPeriod;
    const dReal* linear = dBodyGetLinearVel(body.body);
    if (body.linearKeep != 1 && dLENGTH(linear) > body.linearThreshold) {
        dVector3 scaled;
        ScaleVelocity(linear, std::pow(std::clamp(double(body.linearKeep), 0.0, 1.0), periods), scaled);
        dBodySetLinearVel(body.body, scaled[0], scaled[1], scaled[2]);
    }
    const dReal* angular = dBodyGetAngularVel(body.body);
    if (body.angularKeep != 1 && dLENGTH(angular) / kDegrees > body.angularThreshold) {
        dVector3 scaled;
        ScaleVelocity(angular, std::pow(std::clamp(double(body.angularKeep), 0.0, 1.0), periods), scaled);
        dBodySetAngularVel(body.body, scaled[0], scaled[1], scaled[2]);
    }
    if (body.forceFrame != frame_) return;
    for (const FrameForce& f : body.forces) {
        dBodyAddForceAtRelPos(body.body, f.force.x, f.force.y, f.force.z, f.point.x, f.point.y, f.point.z);
    }
    const Vec3 a = body.acceleration;
    dBodyAddForce(body.body, a.x * body.mass, a.y * body.mass, a.z * body.mass);
}

EngineHandle PhysicsWorld::CreateMeshBody(std::shared_ptr<CollisionMesh> mesh) {
    if (!mesh || !mesh->data) return 0;
    PhysicsBody record;
    record.kind = PhysicsBody::Kind::Static;
    record.geoms.push_back(dCreateTriMesh(nullptr, mesh->data, nullptr, nullptr, nullptr));
    record.mesh = std::move(mesh);
    return AddBody(std::move(record));
}

EngineHandle PhysicsWorld::CreateSphereBody(const std::vector<CollisionSphere>& spheres, float mass) {
    if (spheres.empty() || !std::isfinite(mass) || mass < 0) return 0;
    PhysicsBody record;
    record.kind = mass > 0 ? PhysicsBody::Kind::Dynamic : PhysicsBody::Kind::Kinematic;
    record.mass = mass > 0 ? mass : 0;
    double volume = 0;
    for (const CollisionSphere& s : spheres) volume += double(s.radius) * s.radius * s.radius;
    dMass total;
    dMassSetZero(&total);
    for (const CollisionSphere& s : spheres) {
        dMass part;
        const double share = record.mass > 0 ? record.mass * (double(s.radius) * s.radius * s.radius) / volume : 1.0;
        dMassSetSphereTotal(&part, share, s.radius);
        dMassTranslate(&part, s.centre.x, s.centre.y, s.centre.z);
        dMassAdd(&total, &part);
    }
    // A group of several spheres is a toy weighted at its underside: its centre of
    // mass lies under the spheres' own centre, a little below their lowest point,
    // so a car leans little in a bend and does not trip over its wheels. Its
    // inertia stays the spheres' own about their centre.
    record.centreOfMass = ToVec3(total.c);
    if (spheres.size() > 1) {
        float lowest = spheres.front().centre.y - spheres.front().radius;
        for (const CollisionSphere& s : spheres) lowest = std::min(lowest, s.centre.y - s.radius);
        record.centreOfMass.y = lowest - kWeightBelow;
    }
    dMassTranslate(&total, -total.c[0], -total.c[1], -total.c[2]);
    record.body = dBodyCreate(world_);
    if (record.kind == PhysicsBody::Kind::Dynamic) {
        dBodySetMass(record.body, &total);
    } else {
        dBodySetKinematic(record.body);
    }
    for (const CollisionSphere& s : spheres) {
        dGeomID geom = dCreateSphere(nullptr, s.radius);
        dGeomSetBody(geom, record.body);
        const Vec3 offset = Sub(s.centre, record.centreOfMass);
        dGeomSetOffsetPosition(geom, offset.x, offset.y, offset.z);
        record.geoms.push_back(geom);
    }
    dBodySetPosition(record.body, record.centreOfMass.x, record.centreOfMass.y, record.centreOfMass.z);
    return AddBody(std::move(record));
}

EngineHandle PhysicsWorld::AddBody(PhysicsBody record) {
    const std::vector<dGeomID> geoms = record.geoms;
    const dBodyID odeBody = record.body;
    const EngineHandle handle = bodies_.Add(std::move(record));
    if (!handle) {
        for (dGeomID geom : geoms) dGeomDestroy(geom);
        if (odeBody) dBodyDestroy(odeBody);
        return 0;
    }
    for (dGeomID geom : geoms) dGeomSetData(geom, reinterpret_cast<void*>(intptr_t(handle)));
    return handle;
}

void PhysicsWorld::DestroyBody(EngineHandle handle) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body) return;
    std::vector<EngineHandle> wheels = body->wheels;
    if (body->hungOn) wheels.push_back(body->hungOn);
    for (EngineHandle wheel : wheels) DestroyWheel(wheel);
    const std::vector<EngineHandle> pairs = body->pairs;
    for (EngineHandle pair : pairs) DestroyPair(pair);
    body = bodies_.Get(handle);
    for (dGeomID geom : body->geoms) dGeomDestroy(geom);
    if (body->body) dBodyDestroy(body->body);
    bodies_.Remove(handle);
}

void PhysicsWorld::SetEnabled(EngineHandle handle, bool enabled) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body) return;
    body->enabled = enabled;
    for (dGeomID geom : body->geoms) enabled ? dGeomEnable(geom) : dGeomDisable(geom);
    if (body->body) enabled ? dBodyEnable(body->body) : dBodyDisable(body->body);
}

void PhysicsWorld::StopMotion(EngineHandle handle) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body || !body->body) return;
    dBodySetLinearVel(body->body, 0, 0, 0);
    dBodySetAngularVel(body->body, 0, 0, 0);
    dBodySetForce(body->body, 0, 0, 0);
    dBodySetTorque(body->body, 0, 0, 0);
    body->forces.clear();
    body->acceleration = {};
}

Vec3 PhysicsWorld::Location(EngineHandle handle) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body) return {};
    if (!body->body) return body->staticLocation;
    return Sub(ToVec3(dBodyGetPosition(body->body)), QuatRotate(Orientation(handle), body->centreOfMass));
}

Vec3 PhysicsWorld::CentreOfMass(EngineHandle handle) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body) return {};
    return body->body ? ToVec3(dBodyGetPosition(body->body)) : body->staticLocation;
}

Quaternion PhysicsWorld::Orientation(EngineHandle handle) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body) return {};
    return body->body ? FromOde(dBodyGetQuaternion(body->body)) : body->staticOrientation;
}

Vec3 PhysicsWorld::Velocity(EngineHandle handle) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body || body->kind != PhysicsBody::Kind::Dynamic) return {};
    return ToVec3(dBodyGetLinearVel(body->body));
}

void PhysicsWorld::PlaceOnly(PhysicsBody& body, const Vec3& origin, const Quaternion& orientation) {
    dQuaternion q;
    ToOde(orientation, q);
    if (!body.body) {
        body.grid.reset();
        body.staticLocation = origin;
        body.staticOrientation = QuatNormalized(orientation);
        for (dGeomID geom : body.geoms) {
            dGeomSetPosition(geom, origin.x, origin.y, origin.z);
            dGeomSetQuaternion(geom, q);
        }
        return;
    }
    dBodySetQuaternion(body.body, q);
    const Vec3 centre = Add(origin, QuatRotate(QuatNormalized(orientation), body.centreOfMass));
    dBodySetPosition(body.body, centre.x, centre.y, centre.z);
}

void PhysicsWorld::Place(EngineHandle handle, const Vec3& origin, const Quaternion& orientation, bool carryWheels) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body || !Finite(origin)) return;
    if (carryWheels && body->hungOn) {
        const Wheel* wheel = wheels_.Get(body->hungOn);
        PhysicsBody* chassis = wheel ? bodies_.Get(wheel->chassis) : nullptr;
        if (chassis) {
            const Vec3 chassisOrigin = Location(wheel->chassis);
            const Quaternion chassisTurn = Orientation(wheel->chassis);
            PlaceOnly(*body, Add(chassisOrigin, QuatRotate(chassisTurn, wheel->position)),
                      QuatMul(chassisTurn, wheel->mounting));
            return;
        }
    }
    struct Carried {
        EngineHandle body;
        Vec3 offset;
        Quaternion turn;
    };
    std::vector<Carried> carried;
    if (carryWheels) {
        const Vec3 oldOrigin = Location(handle);
        const Quaternion inverse = Conjugate(Orientation(handle));
        for (EngineHandle w : body->wheels) {
            const Wheel* wheel = wheels_.Get(w);
            if (!wheel || !bodies_.Get(wheel->wheelBody)) continue;
            carried.push_back({wheel->wheelBody, QuatRotate(inverse, Sub(Location(wheel->wheelBody), oldOrigin)),
                               QuatMul(inverse, Orientation(wheel->wheelBody))});
        }
    }
    PlaceOnly(*body, origin, orientation);
    const Quaternion turn = QuatNormalized(orientation);
    for (const Carried& c : carried) {
        PlaceOnly(*bodies_.Get(c.body), Add(origin, QuatRotate(turn, c.offset)), QuatMul(turn, c.turn));
    }
}

void PhysicsWorld::AddForce(EngineHandle handle, const Vec3& force, const Vec3& point) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body || body->kind != PhysicsBody::Kind::Dynamic || !Finite(force) || !Finite(point)) return;
    if (body->forceFrame != frame_) {
        body->forceFrame = frame_;
        body->forces.clear();
        body->acceleration = {};
    }
    body->forces.push_back({force, point});
}

void PhysicsWorld::AddAcceleration(EngineHandle handle, const Vec3& acceleration) {
    PhysicsBody* body = bodies_.Get(handle);
    if (!body || body->kind != PhysicsBody::Kind::Dynamic || !Finite(acceleration)) return;
    if (body->forceFrame != frame_) {
        body->forceFrame = frame_;
        body->forces.clear();
        body->acceleration = {};
    }
    body->acceleration = Add(body->acceleration, acceleration);
}

}  // namespace engine
