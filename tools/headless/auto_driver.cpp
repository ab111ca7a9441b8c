// AutoDriver: the player's keys, decided from the race each frame.
#include "auto_driver.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>
#include <span>

#include "core/app_state.h"
#include "core/frame_timer.h"
#include "core/saved_files.h"
#include "race/game.h"
#include "world/orientation_angle.h"

namespace {

constexpr double kLookAhead = 5;           // the aim point runs this far ahead along the route...
constexpr double kLookAheadPerSpeed = 0.2; // ... plus this many seconds of travel
constexpr double kSteerGain = 1.0;         // degrees of steering per degree of bearing error
constexpr double kSteerDamping = 3;        // ... less this many per degree the heading turns in a tick
constexpr double kSteeringLimit = 30;
constexpr double kFullLockSpeed = 18;      // above this the steering is limited in proportion
constexpr double kLeastLock = 10;
constexpr double kSteeringSlack = 2;       // no key while the steering is this close to the aim
// World units per second squared the speed plan counts on in braking. With the corner
// speeds below it lets the driver finish first over the line on Easy at level 1 on each
// track (the computer drivers count every gate as the player does, so crossing the line
// first is what wins); 20 % slower corners and 25 for this lost three tracks of five.
constexpr double kDeceleration = 40;
constexpr double kTopSpeed = 1000;         // no limit on a straight
constexpr double kBrakeMargin = 4;         // brake above the allowed speed by this; lift below it
constexpr double kBoostBearing = 8;        // boost only while heading this straight
constexpr double kMergeTurns = 30;         // turns at route points closer than this add up
constexpr double kPlanDistance = 80;       // how far ahead the speed plan looks
constexpr double kStuckTicks = 80;         // the car is stuck when it moved less than
constexpr double kStuckDistance = 4;       // ... this in that many ticks with the throttle on
constexpr double kReverseTicks = 120;      // backing out lasts at most this long, at least
constexpr double kLeastReverseTicks = 30;  // ... this long, and in between until the bearing
constexpr double kReverseAimed = 35;       // ... error is below this
constexpr double kGateWatch = 25;          // the next gate is aimed through from this close
constexpr double kGateMargin = 3;          // ... that far inside its ends
constexpr double kGateBeyond = 4;          // ... at a point this far past its line
constexpr double kJump = 6;                // a move this long in one frame: the race put the car back

double Bearing(double dx, double dz) { return static_cast<double>(OrientationAngle(dz, dx)); }

// The speed a corner of `turn` degrees can be taken at.
double CornerSpeed(double turn) {
    if (turn < 15) return kTopSpeed;
    if (turn < 35) return 79.2;
    if (turn < 60) return 59.4;
    if (turn < 100) return 39.6;
    return 25.8;
}

// a - b folded into -180..180 degrees.
double AngleDifference(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}

// The route point after the one nearest to (x, z).
int NearestWaypointAhead(std::span<const track_tables::PointXZ> route, double x, double z) {
    if (route.empty()) return 0;
    size_t nearest = 0;
    double best = 0;
    for (size_t i = 0; i < route.size(); ++i) {
        const double d = std::hypot(route[i].x - x, route[i].z - z);
        if (i == 0 || d < best) {
            best = d;
            nearest = i;
        }
    }
    return static_cast<int>((nearest + 1) % route.size());
}

}  // namespace

void AutoDriver::Step(const TGame* game, InputInjector& injector) {
    const TCar* car = game ? game->PlayerCar() : nullptr;
    const bool racing = car && AppState == StateRace && !game->GameOver && !game->IntroPhase &&
                        !game->TimeOverPhase && !game->CompletePhase;
    if (!racing) {
        if (car && game->IntroPhase) {
            // A level's intro (also of the same level number after a time-out): the route starts over.
            waypoint_ = 0;
            reverseTicks_ = 0;
            ResetProgress(car->Location.x, car->Location.z);
            lastHeading_ = static_cast<double>(car->Heading);
            lastX_ = car->Location.x;
            lastZ_ = car->Location.z;
        }
        Press(Keys{}, injector);
        return;
    }
    Press(Decide(*game, *car), injector);
}

AutoDriver::Keys AutoDriver::Decide(const TGame& game, const TCar& car) {
    const std::span<const track_tables::PointXZ> route = track_tables::kRoutes[game.TrackNo - 1];
    const int count = static_cast<int>(route.size());
    const double tick = static_cast<double>(FrameScale);
    const double cx = car.Location.x, cz = car.Location.z;
    if (std::hypot(cx - lastX_, cz - lastZ_) > kJump) waypoint_ = NearestWaypointAhead(route, cx, cz);
    lastX_ = cx;
    lastZ_ = cz;
    if (waypoint_ < 0 || waypoint_ >= count) waypoint_ = 0;
    const auto at = [&route, count](int i) { return route[((i % count) + count) % count]; };

    // The car's place on the route: its projection on the segment that ends at waypoint_.
    double t = 0;
    for (int guard = 0; guard < count; ++guard) {
        const track_tables::PointXZ a = at(waypoint_ - 1), b = at(waypoint_);
        const double lx = b.x - a.x, lz = b.z - a.z;
        const double length2 = std::max(lx * lx + lz * lz, 1e-6);
        t = ((cx - a.x) * lx + (cz - a.z) * lz) / length2;
        if (t < 1) break;
        waypoint_ = (waypoint_ + 1) % count;
    }
    t = std::clamp(t, 0.0, 1.0);

    const Vec3 v = iBodyVelocity(car.Chassis);
    const double speed = std::hypot(v.x, v.z);

    // The aim: a point further along the route.
    track_tables::PointXZ from = at(waypoint_ - 1);
    from = {static_cast<float>(from.x + (at(waypoint_).x - from.x) * t),
            static_cast<float>(from.z + (at(waypoint_).z - from.z) * t)};
    double left = kLookAhead + kLookAheadPerSpeed * speed;
    double aimX = from.x, aimZ = from.z;
    for (int i = waypoint_; i < waypoint_ + count; ++i) {
        const track_tables::PointXZ to = at(i);
        const double length = std::hypot(to.x - aimX, to.z - aimZ);
        if (length >= left) {
            aimX += (to.x - aimX) * left / length;
            aimZ += (to.z - aimZ) * left / length;
            break;
        }
        left -= length;
        aimX = to.x;
        aimZ = to.z;
    }
    KeepInsideGate(game, cx, cz, aimX, aimZ);
    const double heading = static_cast<double>(car.Heading);
    const double error = AngleDifference(Bearing(aimX - cx, aimZ - cz), heading);

    // The speed plan: each route point ahead allows a speed by its turn (turns at close
    // points counted together); the car must be able to brake down to it in time.
    double allowed = kTopSpeed;
    double distance = std::hypot(at(waypoint_).x - cx, at(waypoint_).z - cz);
    double incoming = Bearing(at(waypoint_).x - cx, at(waypoint_).z - cz);
    for (int i = waypoint_; i < waypoint_ + count && distance < kPlanDistance; ++i) {
        const track_tables::PointXZ p = at(i), q = at(i + 1), r = at(i + 2);
        const double out = Bearing(q.x - p.x, q.z - p.z);
        double turn = AngleDifference(out, incoming);
        const double next = std::hypot(q.x - p.x, q.z - p.z);
        if (next < kMergeTurns) turn += AngleDifference(Bearing(r.x - q.x, r.z - q.z), out);
        const double corner = CornerSpeed(std::fabs(turn));
        allowed = std::min(allowed, std::sqrt(corner * corner + 2 * kDeceleration * distance));
        incoming = out;
        distance += next;
    }
    // Far off the aim, slow down too, so the car turns rather than slides.
    allowed = std::min(allowed, CornerSpeed(std::fabs(error)) + 6);

    Keys keys;
    const bool swapped = car.ReverseTimer >= 0;  // a reversing pickup swaps left and right
    if (reverseTicks_ > 0 && (reverseTicks_ > kReverseTicks - kLeastReverseTicks || std::fabs(error) > kReverseAimed)) {
        // Backing out: reverse with the wheels turned away from the aim, so the nose swings towards it.
        reverseTicks_ -= tick;
        keys.brake = true;
        const bool wantRight = error > 0;
        keys.right = wantRight != swapped;
        keys.left = wantRight == swapped;
        return keys;
    }

    reverseTicks_ = 0;
    const double turnRate = tick > 0 ? AngleDifference(heading, lastHeading_) / tick : 0;  // degrees per tick
    const double lock = std::clamp(kSteeringLimit * kFullLockSpeed / std::max(speed, 1.0), kLeastLock, kSteeringLimit);
    const double aim = std::clamp(error * kSteerGain - turnRate * kSteerDamping, -lock, lock);
    lastHeading_ = heading;
    const double steering = static_cast<double>(car.Steering);
    const bool raise = steering < aim - kSteeringSlack;  // left, normally
    const bool lower = steering > aim + kSteeringSlack;
    keys.left = swapped ? lower : raise;
    keys.right = swapped ? raise : lower;

    if (speed > allowed + kBrakeMargin && car.Spin > 0) {
        keys.brake = true;
    } else if (speed <= allowed) {
        keys.accelerate = true;
    }
    keys.boost = keys.accelerate && car.BoostReserve > 0 && std::fabs(error) < kBoostBearing && allowed >= kTopSpeed;

    // Stuck against something (a wall, another car): back out, then drive on.
    if (!keys.accelerate) {
        ResetProgress(cx, cz);
    } else if ((progressTicks_ += tick) > kStuckTicks) {
        if (std::hypot(cx - progressX_, cz - progressZ_) < kStuckDistance) reverseTicks_ = kReverseTicks;
        ResetProgress(cx, cz);
    }
    return keys;
}

void AutoDriver::KeepInsideGate(const TGame& game, double cx, double cz, double& aimX, double& aimZ) {
    const std::span<const track_tables::GateEntry> gates = game.Gates();
    if (game.NextGate < 0 || game.NextGate >= static_cast<int>(gates.size())) return;
    const track_tables::GateEntry& g = gates[game.NextGate];
    // Along the gate's line (a) and across it (b), from the gate's middle.
    const double carA = g.alongX ? cx - g.x : cz - g.z, carB = g.alongX ? cz - g.z : cx - g.x;
    const double aimA = g.alongX ? aimX - g.x : aimZ - g.z, aimB = g.alongX ? aimZ - g.z : aimX - g.x;
    if (std::fabs(carB) > kGateWatch || std::fabs(carA) > kGateWatch + g.halfWidth) return;
    // Where the line from the car to the aim crosses the gate's line; a gate the aim
    // does not reach yet is crossed where the car would reach it on that heading.
    if (carB * aimB > 0 && std::fabs(aimB) >= std::fabs(carB)) return;
    const double crossing = carB == aimB ? aimA : carA + (aimA - carA) * carB / (carB - aimB);
    const double reach = std::max(0.0, g.halfWidth - kGateMargin);
    if (std::fabs(crossing) <= reach) return;
    const double a = std::clamp(crossing, -reach, reach);
    const double b = carB == 0 ? 0 : -std::copysign(kGateBeyond, carB);
    aimX = g.x + (g.alongX ? a : b);
    aimZ = g.z + (g.alongX ? b : a);
}

void AutoDriver::ResetProgress(double x, double z) {
    progressTicks_ = 0;
    progressX_ = x;
    progressZ_ = z;
}

void AutoDriver::Press(const Keys& keys, InputInjector& injector) {
    if (usePad_) {
        // Only changes are set, so scripted pad input between them stands.
        VirtualPad& pad = injector.Pad();
        if (keys.left != held_.left || keys.right != held_.right)
            pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, keys.left ? -1 : keys.right ? 1 : 0);
        if (keys.accelerate != held_.accelerate) pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, keys.accelerate ? 1 : 0);
        if (keys.brake != held_.brake) pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, keys.brake ? 1 : 0);
        if (keys.boost != held_.boost) pad.SetButton(SDL_CONTROLLER_BUTTON_A, keys.boost);
        held_ = keys;
        return;
    }
    const Settings& s = Saved.settings;
    const auto change = [&injector](bool was, bool now, int code) {
        if (was == now) return;
        ScriptAction action;
        action.kind = now ? ScriptAction::Kind::KeyDown : ScriptAction::Kind::KeyUp;
        action.key = code;
        injector.Push(action);
    };
    change(held_.left, keys.left, s.keyLeft);
    change(held_.right, keys.right, s.keyRight);
    change(held_.accelerate, keys.accelerate, s.keyAccelerate);
    change(held_.brake, keys.brake, s.keyBrake);
    change(held_.boost, keys.boost, s.keyBoost);
    held_ = keys;
}
