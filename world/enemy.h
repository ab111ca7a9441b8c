// TEnemy: the computer driver of one car: steers to the next waypoint, counts checkpoints, recovers the car.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "world/car.h"
#include "world/track_tables.h"

// One route point; only x and z are used, y is 0.
struct Waypoint {
    long double x = 0, y = 0, z = 0;
};

// Owned by the race (ten of them, driver k drives car model k / 2 + 1, copy k % 2 + 1).
// The race sets Car once, hands every driver the route of the current track at each
// level start, and runs Update for drivers of other models than the player's, before
// the cars' own Update.
class TEnemy {
public:
    TCar* Car = nullptr;  // the car driven; not owned
    std::vector<Waypoint> Waypoints;
    int32_t WaypointIndex = 0;
    long double StillTime = 0;  // seconds the car has stood still; see Update

    // Level start: the route of the chosen track; driving starts at its first point
    // and the still time is cleared.
    void SetRoute(std::span<const track_tables::PointXZ> route);
    // One driving step with the checkpoint gates of the current track: steering and
    // throttle towards the waypoint, the checkpoint counting (every gate passed in order
    // counts one, as the player's do; the last gate of the list also ends a lap:
    // LapsToGo - 1), the waypoint counting, recovery of
    // an overturned or stuck car, and Power 1600. True when it put the car back this frame.
    // Stuck: no speed with Spin above 6000, or no speed for more than 3 seconds.
    bool Update(std::span<const track_tables::GateEntry> gates);

    // The bearing from (0, 0) to (dx, dz), in the car's Heading convention:
    // 0 along +x, growing towards +z; dx = 0 gives 180 whatever dz is.
    static long double TargetBearing(long double dx, long double dz);
    // Whether (x, z) lies inside a checkpoint gate (3 units deep, half-width + 3 wide).
    static bool InsideGate(const track_tables::GateEntry& gate, long double x, long double z);
};
