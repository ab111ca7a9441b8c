// AutoDriver: the runner's test driver for the player's car. It decides from what it
// can see of the race which driving keys a player would hold, and presses and releases
// them as real key events, so the car is driven through the game's own key rules.
#pragma once

#include "input_injector.h"
#include "world/track_tables.h"

class TGame;
class TCar;

// The keys are the bindings of the live settings (keyLeft, keyRight, keyAccelerate,
// keyBrake, keyBoost). The driver only reads the race: the player car's position,
// heading, velocity, steering, spin and effect timers, the track slot, the next
// checkpoint gate and the phase. It follows the track's opponent route towards a point
// a little ahead, through the next gate inside its ends; it steers in proportion to
// the bearing error, damped by the car's turning and held back at speed, lifts and
// brakes so that it reaches each corner of the route slowly enough, boosts on
// straights, and backs out when the throttle has not moved it for about a second.
// Outside the racing phase every key is released.
class AutoDriver {
public:
    // Once a frame, after the frame was presented: the keys for the next frame.
    // `game` may be null (no race object yet).
    void Step(const TGame* game, InputInjector& injector);
    // From now on the driver holds the injector's virtual pad instead of keys: the left
    // stick fully over to steer, the right trigger to accelerate, the left to brake, A to
    // boost. The pad keeps them while pulled out and holds them again when plugged back in.
    void UsePad() { usePad_ = true; }

private:
    struct Keys {
        bool left = false, right = false, accelerate = false, brake = false, boost = false;
    };

    Keys Decide(const TGame& game, const TCar& car);
    void Press(const Keys& keys, InputInjector& injector);
    void ResetProgress(double x, double z);
    // Moves the aim so that the way to it crosses the next checkpoint gate inside its
    // ends, when the car is near that gate and would cut past it.
    static void KeepInsideGate(const TGame& game, double cx, double cz, double& aimX, double& aimZ);

    bool usePad_ = false;
    Keys held_;
    int waypoint_ = 0;  // the route point at the end of the segment the car is on
    double lastX_ = 0, lastZ_ = 0;
    // Progress check: where the car was when the throttle went on (or at the last check).
    double progressTicks_ = 0, progressX_ = 0, progressZ_ = 0;
    double reverseTicks_ = 0;  // ticks of backing out left
    double lastHeading_ = 0;   // the car's heading at the last driving decision
};
