// The player's rules on the gates of a track: passing gates and counting laps, the
// finishing place, the wrong-way count, the guard gate and the set-back of an overturned car.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "world/track_tables.h"

namespace race_rules {

using track_tables::GateEntry;

// The player's progress round the gate list of the current track.
struct LapProgress {
    int32_t nextGate = 0;           // NextGate: index of the gate to pass next
    int32_t checkpointsPassed = 0;  // the player's car's CheckpointsPassed
    int32_t lapsLeft = 0;           // LapsLeft
};

enum class GateResult { None, Passed, Finished };

// One frame at car position (cx, cz). Passing the next gate counts a checkpoint; after
// the last gate the next one is gate 0 again. Passing gate 0 (the start/finish line)
// takes a lap off only when more than one checkpoint has been counted, so the first
// crossing after the start counts no lap. Finished when the laps left reach 0.
GateResult AdvanceGates(std::span<const GateEntry> gates, long double cx, long double cz, LapProgress& progress);

// 1 + the number of opponents with strictly more checkpoints: ties go the player's way.
int FinishingPlace(int32_t playerCheckpoints, std::span<const int32_t> opponentCheckpoints);

// WrongWayFrames after one frame with the car at (cx, cz) moving at (vx, vz): kept as
// it is while both horizontal speeds are at most 0.3; otherwise one more when the car
// moves away from the next gate across its line, else 0.
int32_t NextWrongWayFrames(const GateEntry& next, long double cx, long double cz, long double vx, long double vz,
                           int32_t frames);

// More than this many wrong-way frames in a row shows the warning.
inline constexpr int32_t kWrongWayWarningFrames = 150;

// The gate two behind the next one, wrapping round the list (next 1 gives the last gate).
int GuardGateIndex(int nextGate, int gateCount);

// Where a car is put back: x and z, and the yaw of its Euler orientation (0, yaw, 0).
struct CarPlacement {
    long double x = 0, z = 0;
    float yaw = 0;
};

// The guard gate: a car inside it and moving back across its line is set 6 units off
// the line on the side it is coming from, with spin 0, facing along the course (yaw 180
// or 0 by x against the next gate for a gate along x, else 90 or 270 by z). Nothing
// when the car is outside the gate or moving forwards.
std::optional<CarPlacement> GuardGateTurnBack(const GateEntry& guard, const GateEntry& next, long double cx,
                                              long double cz, long double vx, long double vz);

// An overturned car with lives to spare is put on the guard gate, 6 units off its
// line (before it when the car is beyond the next gate's line, else after it), with
// the yaw chosen as for the guard gate from the new position.
CarPlacement OverturnPlacement(const GateEntry& guard, const GateEntry& next, long double cx, long double cz);

}  // namespace race_rules
