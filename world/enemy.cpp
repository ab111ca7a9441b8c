// TEnemy: the opponents' driving step.
#include "world/enemy.h"

#include <cmath>

#include "core/frame_timer.h"
#include "engine/engine.h"
#include "world/orientation_angle.h"

namespace {

constexpr long double kSharpTurn = 35;  // brake above this bearing error while fast
constexpr long double kBrakeFromSpin = 2000;
constexpr long double kBrakeRate = 80;
constexpr long double kTopSpin = 7000;
constexpr long double kAccelerateRate = 40;
constexpr long double kSteerFrom = 20;  // bearing error that starts a turn
constexpr long double kSteeringLimit = 30;
constexpr long double kSteeringRate = 1;
constexpr long double kStraightEnough = 0.2L;
constexpr long double kWaypointReach = 10;
constexpr float kStuckSpeed = 1.5f;
constexpr long double kStuckSpin = 6000;
// A car held still this long (by a barrier or another car) is put back as well: the
// car's own stall cut keeps the Spin of a car standing against a barrier near 3000,
// so the Spin test alone only ever catches a car that stopped dead at speed.
constexpr long double kStillSeconds = 3;
constexpr long double kTickSeconds = 0.013L;
constexpr float kRecoveryHeight = -48.0f;
constexpr long double kOpponentPower = 1600;
constexpr float kGateDepth = 3;

}  // namespace

long double TEnemy::TargetBearing(long double dx, long double dz) { return OrientationAngle(dz, dx); }

bool TEnemy::InsideGate(const track_tables::GateEntry& gate, long double x, long double z) {
    const long double ax = std::fabs(x - gate.x);
    const long double az = std::fabs(z - gate.z);
    const long double reach = gate.halfWidth + kGateDepth;
    return gate.alongX ? (ax < reach && az < kGateDepth) : (ax < kGateDepth && az < reach);
}

void TEnemy::SetRoute(std::span<const track_tables::PointXZ> route) {
    Waypoints.clear();
    Waypoints.reserve(route.size());
    for (const track_tables::PointXZ& point : route) Waypoints.push_back({point.x, 0, point.z});
    WaypointIndex = 0;
    StillTime = 0;
}

bool TEnemy::Update(std::span<const track_tables::GateEntry> gates) {
    if (!Car || Waypoints.empty()) return false;
    TCar& car = *Car;
    // Steer on where the car is now. The car's own Update measured it a frame ago, before
    // the last simulation steps: at 30 frames a second that lag alone made the drivers
    // 7 to 28 % slower than at 60 or 120, so the race depended on the machine.
    if (car.Chassis != 0) car.MeasureNow();
    const long double tick = FrameScale;
    const int count = static_cast<int>(Waypoints.size());
    if (WaypointIndex < 0 || WaypointIndex >= count) WaypointIndex = 0;

    const Waypoint& w = Waypoints[WaypointIndex];
    const long double cx = car.Location.x;
    const long double cz = car.Location.z;
    long double target = TargetBearing(w.x - cx, w.z - cz);
    long double heading = car.Heading;
    // Compare the two bearings the short way round. Both lie in [0, 360), so at most one
    // full turn separates them; a driver told to turn more than half a turn would circle
    // the long way round before reaching its waypoint.
    if (target - heading > 180) {
        target -= 360;
    } else if (heading - target > 180) {
        heading -= 360;
    }

    if (std::fabs(target - heading) > kSharpTurn && car.Spin > kBrakeFromSpin) {
        car.Spin -= kBrakeRate * tick;
        car.Brake();
    } else if (car.Spin < kTopSpin) {
        car.Spin += kAccelerateRate * tick;
    }

    const long double error = target - heading;
    if (error > kSteerFrom) {
        if (car.Steering < kSteeringLimit) car.Steering += kSteeringRate * tick;
    } else if (error < -kSteerFrom) {
        if (car.Steering > -kSteeringLimit) car.Steering -= kSteeringRate * tick;
    } else if (std::fabs(car.Steering) > kStraightEnough) {
        car.Steering -= std::copysign(kSteeringRate * tick, car.Steering);
    }

    if (std::fabs(w.x - cx) < kWaypointReach && std::fabs(w.z - cz) < kWaypointReach) {
        WaypointIndex = (WaypointIndex + 1) % count;
    }

    const int gateCount = static_cast<int>(gates.size());
    if (car.CheckpointIndex >= 0 && car.CheckpointIndex < gateCount &&
        InsideGate(gates[car.CheckpointIndex], cx, cz)) {
        // Every gate counts, the last one of a lap too, as the player's gates do: the
        // race ranks the player at the finish by these counts, so they must measure the
        // same distance. Skipping one gate a lap put an opponent who had crossed the
        // line first behind the player after a few laps.
        car.CheckpointsPassed += 1;
        if (car.CheckpointIndex < gateCount - 1) {
            car.CheckpointIndex += 1;
        } else {
            car.CheckpointIndex = 0;
            car.LapsToGo -= 1;
        }
    }

    const Vec3 v = iBodyVelocity(car.Chassis);
    const bool still = std::fabs(v.x) < kStuckSpeed && std::fabs(v.z) < kStuckSpeed;
    StillTime = still ? StillTime + kTickSeconds * tick : 0;
    const bool stuck = still && (car.Spin > kStuckSpin || StillTime > kStillSeconds);
    const bool recover = car.IsOverturned() || stuck;
    if (recover) {
        StillTime = 0;
        const Waypoint& back = Waypoints[WaypointIndex == 0 ? count - 1 : WaypointIndex - 1];
        car.Location = {static_cast<float>(back.x), kRecoveryHeight, static_cast<float>(back.z)};
        car.Reset();
        car.Spin = 0;
    }

    car.Power = kOpponentPower;
    return recover;
}
