// Body pairs and the contacts they make: only paired bodies touch, each pair with its own surface.
#include <algorithm>
#include <cmath>

#include "engine/math3d.h"
#include "engine/physics_world.h"

namespace engine {
namespace {

constexpr int kMaxContacts = 4;  // per two touching geoms
// A pair with split friction (a tyre on the table) counts its friction in hundredths
// of a Coulomb coefficient, shared out by the two percentages; across its tread a
// tyre grips this many times its share, so a car corners on rails.
constexpr double kFrictionUnit = 0.01;
constexpr double kPercent = 0.01;
constexpr double kSidewaysGrip = 4.0;
// A tyre whose tread slips along the road (a wheel spinning on the spot, or skidding)
// loses grip across it: its sideways grip is divided by 1 + (slip / this)^2, slip in
// units a second. A car whose front wheels spin against a barrier thus slides its
// nose along the barrier and gets away, instead of standing there for good. A rear
// tyre loses it only while it spins faster than the car goes, so braking never turns
// a car round, and only while the car all but stands (its hub slower than
// kRearSlideSpeed, units a second): at speed a driver pulling away from a slow bend
// would otherwise spin round under power.
constexpr double kGripLossSlip = 5.0;
constexpr double kRearSlideSpeed = 3.0;
// Other pairs (bodies on walls, on the table and on each other) count it in
// thousandths: they are slick, so a car that meets a wall slides along it.
constexpr double kPlainFrictionUnit = 0.001;
// A car knocked into a barrier bounces off it with this share of its speed across
// the barrier, so that it does not stay pressed nose-first against it.
constexpr double kWallBounce = 0.8;
constexpr double kWallBounceVelocity = 2.0;  // slower knocks do not bounce
// Contacts between two cars are a stiff spring (force per unit of overlap, and per
// unit of closing speed), without friction: cars shove each other apart, never lock.
constexpr double kCarSpring = 10000;
constexpr double kCarDamper = 200;
// A contact normal flatter than this (its height part) is a wall.
constexpr double kSteepest = 0.7;
constexpr double kContactErp = 0.4;
constexpr double kContactCfm = 1e-4;
constexpr double kBounceVelocity = 0.5;  // slower impacts do not bounce

EngineHandle HandleOf(dGeomID geom) { return EngineHandle(reinterpret_cast<intptr_t>(dGeomGetData(geom))); }

void Forget(std::vector<EngineHandle>& list, EngineHandle handle) {
    list.erase(std::remove(list.begin(), list.end(), handle), list.end());
}

// Turns a contact's normal level (it loses its height part), so the push acts only
// across the table. False when nothing is left of it.
bool PushSideways(dContactGeom* contact) {
    dReal* n = contact->normal;
    const dReal flat = std::sqrt(n[0] * n[0] + n[2] * n[2]);
    if (flat < 0.2) return false;
    n[0] /= flat;
    n[1] = 0;
    n[2] /= flat;
    contact->depth *= flat;
    return true;
}

// Two cars push each other apart across the table along the line between their
// centres of mass, at its middle: a knock shoves a car aside or along but never turns
// it, so a driver knocked in the pack keeps its heading instead of spinning round (in
// a field of seven, knocks that turned the cars made every race another one: a
// driver's two-lap time moved by 10-20 % with the frame time). False when the
// centres stand one above the other.
bool PushCentreToCentre(dBodyID body1, dBodyID body2, dContactGeom* contact) {
    const dReal* c1 = dBodyGetPosition(body1);
    const dReal* c2 = dBodyGetPosition(body2);
    const dReal dx = c1[0] - c2[0], dz = c1[2] - c2[2];
    const dReal apart = std::sqrt(dx * dx + dz * dz);
    if (apart < 1e-6) return false;
    dReal* n = contact->normal;
    // The normal keeps the sense dCollide gave it.
    const dReal along = (n[0] * dx + n[2] * dz) / apart;
    const dReal sense = along >= 0 ? 1 : -1;
    n[0] = sense * dx / apart;
    n[1] = 0;
    n[2] = sense * dz / apart;
    contact->depth *= std::fabs(along);
    contact->pos[0] = 0.5 * (c1[0] + c2[0]);
    contact->pos[1] = 0.5 * (c1[1] + c2[1]);
    contact->pos[2] = 0.5 * (c1[2] + c2[2]);
    return true;
}

// Cars meet as toys on springs: a contact between two of them pushes them apart
// without holding them (see kCarSpring).
void SoftenBetweenCars(double step, dSurfaceParameters* surface) {
    const double sum = step * kCarSpring + kCarDamper;
    surface->soft_erp = step * kCarSpring / sum;
    surface->soft_cfm = 1.0 / sum;
    surface->mu = 0;
}

}  // namespace

uint64_t PhysicsWorld::PairKey(EngineHandle a, EngineHandle b) {
    const uint32_t low = uint32_t(std::min(a, b)), high = uint32_t(std::max(a, b));
    return (uint64_t(high) << 32) | low;
}

EngineHandle PhysicsWorld::CreatePair(EngineHandle body1, EngineHandle body2) {
    if (body1 == body2 || !bodies_.Get(body1) || !bodies_.Get(body2)) return 0;
    const uint64_t key = PairKey(body1, body2);
    if (auto found = pairByBodies_.find(key); found != pairByBodies_.end() && pairs_.Get(found->second)) {
        return found->second;
    }
    BodyPair pair;
    pair.body1 = body1;
    pair.body2 = body2;
    const EngineHandle handle = pairs_.Add(pair);
    if (!handle) return 0;
    pairByBodies_[key] = handle;
    bodies_.Get(body1)->pairs.push_back(handle);
    bodies_.Get(body2)->pairs.push_back(handle);
    return handle;
}

void PhysicsWorld::DestroyPair(EngineHandle handle) {
    BodyPair* pair = pairs_.Get(handle);
    if (!pair) return;
    pairByBodies_.erase(PairKey(pair->body1, pair->body2));
    if (PhysicsBody* body = bodies_.Get(pair->body1)) Forget(body->pairs, handle);
    if (PhysicsBody* body = bodies_.Get(pair->body2)) Forget(body->pairs, handle);
    pairs_.Remove(handle);
}

void PhysicsWorld::Collide(dGeomID geom1, dGeomID geom2) {
    const EngineHandle body1 = HandleOf(geom1), body2 = HandleOf(geom2);
    if (body1 == body2) return;
    const auto found = pairByBodies_.find(PairKey(body1, body2));
    if (found == pairByBodies_.end()) return;
    BodyPair* pair = pairs_.Get(found->second);
    if (!pair || (!pair->response && !pair->feedback)) return;
    const dBodyID ode1 = dGeomGetBody(geom1), ode2 = dGeomGetBody(geom2);
    const bool moving1 = ode1 && !dBodyIsKinematic(ode1), moving2 = ode2 && !dBodyIsKinematic(ode2);
    if (!moving1 && !moving2 && !pair->feedback) return;

    dContact contacts[kMaxContacts];
    const int count = dCollide(geom1, geom2, kMaxContacts, &contacts[0].geom, sizeof(dContact));
    if (count <= 0) return;
    if (pair->feedback) {
        pair->touched = true;
        pair->lastPoint = {float(contacts[0].geom.pos[0]), float(contacts[0].geom.pos[1]),
                           float(contacts[0].geom.pos[2])};
        pair->lastNormal = {float(contacts[0].geom.normal[0]), float(contacts[0].geom.normal[1]),
                            float(contacts[0].geom.normal[2])};
    }
    if (!pair->response || (!moving1 && !moving2)) return;
    const PhysicsBody* record1 = bodies_.Get(body1);
    const PhysicsBody* record2 = bodies_.Get(body2);
    const bool cars = record1 && record2 && !record1->wheels.empty() && !record2->wheels.empty();
    const bool carFirst = record1 && !record1->wheels.empty() && moving1;
    const bool carSecond = record2 && !record2->wheels.empty() && moving2;
    for (int i = 0; i < count; ++i) {
        // A car (a body on wheels) is pushed by a wall only across the table and at the
        // height of its centre of mass: a knock shoves and turns it, but never lifts it
        // or rolls it over. Two cars push each other apart centre to centre.
        if (cars && !PushCentreToCentre(ode1, ode2, &contacts[i].geom)) continue;
        bool wall = false;
        if (!cars && (carFirst || carSecond) && std::fabs(contacts[i].geom.normal[1]) < kSteepest &&
            PushSideways(&contacts[i].geom)) {
            contacts[i].geom.pos[1] = dBodyGetPosition(carFirst ? ode1 : ode2)[1];
            wall = true;
        }
        FillSurface(*pair, body1, body2, &contacts[i]);
        if (cars) SoftenBetweenCars(step_, &contacts[i].surface);
        if (wall) {
            contacts[i].surface.mode |= dContactBounce;
            contacts[i].surface.bounce = std::max(kWallBounce, double(std::min(1.0f, pair->restitution)));
            contacts[i].surface.bounce_vel = kWallBounceVelocity;
        }
        dJointID joint = dJointCreateContact(world_, contacts_, &contacts[i]);
        dJointAttach(joint, ode1, ode2);
    }
}

void PhysicsWorld::FillSurface(const BodyPair& pair, EngineHandle body1, EngineHandle body2, dContact* contact) {
    dSurfaceParameters& surface = contact->surface;
    surface.mode = dContactApprox1 | dContactSoftERP | dContactSoftCFM;
    surface.mu = std::max(0.0, pair.friction * (pair.split ? kFrictionUnit : kPlainFrictionUnit));
    surface.soft_erp = kContactErp;
    surface.soft_cfm = kContactCfm;
    if (pair.restitution > 0) {
        surface.mode |= dContactBounce;
        surface.bounce = std::min(1.0, double(pair.restitution));
        surface.bounce_vel = kBounceVelocity;
    }
    if (!pair.split) return;
    const Wheel* wheel = nullptr;
    for (EngineHandle body : {body1, body2}) {
        const PhysicsBody* record = bodies_.Get(body);
        if (!wheel && record && record->hungOn) wheel = wheels_.Get(record->hungOn);
    }
    if (!wheel || !wheel->joint) return;
    dVector3 axle;
    dJointGetHinge2Axis2(wheel->joint, axle);
    const dReal* normal = contact->geom.normal;
    dVector3 rolling;
    dCalcVectorCross3(rolling, normal, axle);
    const dReal length = dCalcVectorLength3(rolling);
    if (length < 1e-6) return;
    for (int i = 0; i < 3; ++i) contact->fdir1[i] = rolling[i] / length;
    surface.mode |= dContactMu2 | dContactFDir1;
    const double base = surface.mu;
    surface.mu = std::max(0.0, base * pair.mu * kPercent);
    surface.mu2 = std::max(0.0, base * pair.mu2 * kPercent * kSidewaysGrip) * GripLeft(*wheel, *contact);
    if (pair.slip1 > 0) {
        surface.mode |= dContactSlip1;
        surface.slip1 = pair.slip1;
    }
    if (pair.slip2 > 0) {
        surface.mode |= dContactSlip2;
        surface.slip2 = pair.slip2;
    }
}

double PhysicsWorld::GripLeft(const Wheel& wheel, const dContact& contact) const {
    const PhysicsBody* record = bodies_.Get(wheel.wheelBody);
    if (!record || !record->body) return 1;
    const dReal* rolling = contact.fdir1;
    dVector3 tread;
    dBodyGetPointVel(record->body, contact.geom.pos[0], contact.geom.pos[1], contact.geom.pos[2], tread);
    const dReal* hub = dBodyGetLinearVel(record->body);
    const double slip = dCalcVectorDot3(tread, rolling);      // the tread against the road
    const double ground = dCalcVectorDot3(hub, rolling);      // the wheel over the road
    const bool spinning = std::fabs(ground - slip) > std::fabs(ground);
    const bool front = wheel.position.x > 0;
    if (!front && (!spinning || std::fabs(ground) > kRearSlideSpeed)) return 1;
    const double ratio = slip / kGripLossSlip;
    return 1 / (1 + ratio * ratio);
}

}  // namespace engine
