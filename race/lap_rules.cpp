// The player's gate, lap, place, wrong-way and set-back rules.
#include "race/lap_rules.h"

#include <cmath>

#include "world/enemy.h"

namespace race_rules {

namespace {
constexpr long double kWrongWaySpeed = 0.3L;
constexpr long double kSetBack = 6;
}  // namespace

GateResult AdvanceGates(std::span<const GateEntry> gates, long double cx, long double cz, LapProgress& progress) {
    const int count = static_cast<int>(gates.size());
    if (progress.nextGate < 0 || progress.nextGate >= count) return GateResult::None;
    if (!TEnemy::InsideGate(gates[progress.nextGate], cx, cz)) return GateResult::None;

    progress.checkpointsPassed += 1;
    if (progress.nextGate == count - 1) {
        progress.nextGate = 0;
    } else {
        progress.nextGate += 1;
        if (progress.nextGate == 1 && progress.checkpointsPassed > 1) {
            progress.lapsLeft -= 1;
            if (progress.lapsLeft == 0) return GateResult::Finished;
        }
    }
    return GateResult::Passed;
}

int FinishingPlace(int32_t playerCheckpoints, std::span<const int32_t> opponentCheckpoints) {
    int ahead = 0;
    for (const int32_t checkpoints : opponentCheckpoints) {
        if (checkpoints > playerCheckpoints) ++ahead;
    }
    return ahead + 1;
}

int32_t NextWrongWayFrames(const GateEntry& next, long double cx, long double cz, long double vx, long double vz,
                           int32_t frames) {
    if (std::fabs(vx) <= kWrongWaySpeed && std::fabs(vz) <= kWrongWaySpeed) return frames;
    const bool away = next.alongX ? ((cz > next.z && vz > 0) || (cz < next.z && vz < 0))
                                  : ((cx > next.x && vx > 0) || (cx < next.x && vx < 0));
    return away ? frames + 1 : 0;
}

int GuardGateIndex(int nextGate, int gateCount) {
    if (gateCount < 1) return 0;
    return ((nextGate - 2) % gateCount + gateCount) % gateCount;
}

std::optional<CarPlacement> GuardGateTurnBack(const GateEntry& guard, const GateEntry& next, long double cx,
                                              long double cz, long double vx, long double vz) {
    if (!TEnemy::InsideGate(guard, cx, cz)) return std::nullopt;
    CarPlacement at{cx, cz, 0};
    if (guard.alongX) {
        if (!((cz > guard.z && vz < 0) || (cz < guard.z && vz > 0))) return std::nullopt;
        at.z = vz > 0 ? guard.z - kSetBack : guard.z + kSetBack;
        at.yaw = cx > next.x ? 180 : 0;
    } else {
        if (!((cx > guard.x && vx < 0) || (cx < guard.x && vx > 0))) return std::nullopt;
        at.x = vx > 0 ? guard.x - kSetBack : guard.x + kSetBack;
        at.yaw = cz > next.z ? 90 : 270;
    }
    return at;
}

CarPlacement OverturnPlacement(const GateEntry& guard, const GateEntry& next, long double cx, long double cz) {
    CarPlacement at;
    if (guard.alongX) {
        at.z = cz > next.z ? guard.z - kSetBack : guard.z + kSetBack;
        at.x = guard.x;
        at.yaw = at.x > next.x ? 180 : 0;
    } else {
        at.x = cx > next.x ? guard.x - kSetBack : guard.x + kSetBack;
        at.z = guard.z;
        at.yaw = at.z > next.z ? 90 : 270;
    }
    return at;
}

}  // namespace race_rules
