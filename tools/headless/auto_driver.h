// AutoDriver: the runner's test driver for the player's car. It decides from what it
// can see of the race which driving keys a player would hold, and presses and releases
// them as real key events, so the car is driven through the game's own key rules.
#pragma once

#include <span>

#include "input_injector.h"
#include "world/track_tables.h"

class TGame;
class TCar;

// The keys are the bindings of the live settings (keyLeft, keyRight, keyAccelerate,
// keyBrake, keyBoost). The driver only reads the race: the player car's position,
// heading, velocity, steering, spin and effect timers, the track slot and the level.
// It follows the track's opponent route, steering in proportion to the bearing error,
// lifting and braking before sharp turns, boosting on straights, and backing out when
// it stands still against something. Outside the racing state every key is released.
class AutoDriver {
public:
    // Once a frame, after the frame was presented: the keys for the next frame.
    // `game` may be null (no race object yet).
    void Step(const TGame* game, InputInjector& injector);

    // The waypoint index to head for from (x, z): the one after the route point
    // nearest to the car. Exposed for the runner's tests.
    static int NearestWaypointAhead(std::span<const track_tables::PointXZ> route, double x, double z);
    // a - b folded into -180..180 degrees.
    static double AngleDifference(double a, double b);

private:
    struct Keys {
        bool left = false, right = false, accelerate = false, brake = false, boost = false;
        bool operator==(const Keys&) const = default;
    };

    Keys Decide(const TGame& game, const TCar& car);
    void Press(const Keys& keys, InputInjector& injector);
    void ResetProgress(double x, double z);
    // Moves the aim so that the way to it crosses the next checkpoint gate inside its
    // ends, when the car is near that gate and would cut past it.
    static void KeepInsideGate(const TGame& game, double cx, double cz, double& aimX, double& aimZ);

    Keys held_;
    int waypoint_ = 0;
    double lastX_ = 0, lastZ_ = 0;
    // Progress check: where the car was when the throttle went on (or at the last check).
    double progressTicks_ = 0, progressX_ = 0, progressZ_ = 0;
    double reverseTicks_ = 0;  // ticks of backing out left
    double lastHeading_ = 0;   // the car's heading at the last driving decision
};
