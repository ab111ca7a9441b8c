// The player's gates and laps, the place, the wrong-way count, the guard gate and the
// set-back of an overturned car, on the real gate lists.
#include <gtest/gtest.h>

#include <vector>

#include "race/lap_rules.h"

namespace {

using race_rules::GateResult;
using race_rules::LapProgress;
using track_tables::GateEntry;

const auto kSlot1 = track_tables::kGates[0];  // 9 gates; gate 0 is the start/finish line at (40, -3738)

// Drives through every gate of the list once, from `progress.nextGate` round to it again.
std::vector<GateResult> DriveOneLap(std::span<const GateEntry> gates, LapProgress& progress) {
    std::vector<GateResult> results;
    for (size_t i = 0; i < gates.size(); ++i) {
        const GateEntry& g = gates[progress.nextGate];
        results.push_back(race_rules::AdvanceGates(gates, g.x, g.z, progress));
    }
    return results;
}

TEST(Gates, TheFirstStartLineCrossingCountsNoLap) {
    LapProgress progress{0, 0, 2};
    EXPECT_EQ(race_rules::AdvanceGates(kSlot1, 40, -3738, progress), GateResult::Passed);
    EXPECT_EQ(progress.nextGate, 1);
    EXPECT_EQ(progress.checkpointsPassed, 1);
    EXPECT_EQ(progress.lapsLeft, 2);
}

TEST(Gates, LapsCountFromTheSecondStartLineCrossingAndTheLastOneFinishes) {
    LapProgress progress{0, 0, 2};
    race_rules::AdvanceGates(kSlot1, 40, -3738, progress);
    auto lap = DriveOneLap(kSlot1, progress);  // gates 1..8, then the start line again
    EXPECT_EQ(progress.lapsLeft, 1);
    EXPECT_EQ(progress.checkpointsPassed, 10);
    EXPECT_EQ(lap.back(), GateResult::Passed);
    lap = DriveOneLap(kSlot1, progress);
    EXPECT_EQ(lap.back(), GateResult::Finished);
    EXPECT_EQ(progress.lapsLeft, 0);
    EXPECT_EQ(progress.nextGate, 1);
    EXPECT_EQ(progress.checkpointsPassed, 19);
}

TEST(Gates, OnlyTheNextGateCountsAndTheLastWrapsToTheStartLine) {
    LapProgress progress{3, 5, 2};
    // Standing in gate 5 while gate 3 is next does nothing.
    EXPECT_EQ(race_rules::AdvanceGates(kSlot1, 106, -3636, progress), GateResult::None);
    EXPECT_EQ(progress.checkpointsPassed, 5);
    progress.nextGate = 8;
    EXPECT_EQ(race_rules::AdvanceGates(kSlot1, 108, -3738, progress), GateResult::Passed);
    EXPECT_EQ(progress.nextGate, 0);
    EXPECT_EQ(progress.lapsLeft, 2);
}

TEST(Gates, InsideReachesHalfWidthPlusThreeAlongAndThreeAcross) {
    // Gate 0 of slot 1 runs along z (AlongX 0): |dx| < 3 and |dz| < 13.
    auto passes = [](float x, float z) {
        LapProgress progress{0, 0, 2};
        return race_rules::AdvanceGates(kSlot1, x, z, progress) != GateResult::None;
    };
    EXPECT_TRUE(passes(42.9f, -3738 + 12.9f));
    EXPECT_FALSE(passes(43, -3738));
    EXPECT_FALSE(passes(40, -3738 - 13));
    // Gate 2 runs along x: |dx| < 13 and |dz| < 3.
    LapProgress progress{2, 2, 2};
    EXPECT_EQ(race_rules::AdvanceGates(kSlot1, -70 + 12.5f, -3707 + 2.5f, progress), GateResult::Passed);
    progress.nextGate = 2;
    EXPECT_EQ(race_rules::AdvanceGates(kSlot1, -70, -3707 + 3, progress), GateResult::None);
}

TEST(Place, CountsOpponentsWithMoreCheckpointsAndTiesGoThePlayersWay) {
    EXPECT_EQ(race_rules::FinishingPlace(19, std::vector<int32_t>{18, 19, 19}), 1);
    EXPECT_EQ(race_rules::FinishingPlace(19, std::vector<int32_t>{20, 3, 19}), 2);
    EXPECT_EQ(race_rules::FinishingPlace(19, std::vector<int32_t>{20, 21, 22, 30, 25, 26, 27}), 8);
    EXPECT_EQ(race_rules::FinishingPlace(0, std::vector<int32_t>{}), 1);
}

TEST(WrongWay, CountsFramesMovingAwayFromTheNextGateAndStopsOnlyWhenSlow) {
    const GateEntry acrossX{40, -3738, false, 10};  // crossed by driving in x
    // Beyond the gate in x and moving further in +x: away.
    EXPECT_EQ(race_rules::NextWrongWayFrames(acrossX, 50, -3738, 5, 0, 150), 151);
    EXPECT_EQ(race_rules::NextWrongWayFrames(acrossX, 30, -3738, -5, 0, 7), 8);
    // Towards the gate: back to 0.
    EXPECT_EQ(race_rules::NextWrongWayFrames(acrossX, 50, -3738, -5, 0, 151), 0);
    // Both horizontal speeds at most 0.3: the count is frozen, warning or not.
    EXPECT_EQ(race_rules::NextWrongWayFrames(acrossX, 50, -3738, 0.3L, -0.3L, 151), 151);
    // Moving only in z is not "away" for a gate crossed in x, and resets the count.
    EXPECT_EQ(race_rules::NextWrongWayFrames(acrossX, 50, -3738, 0, 5, 40), 0);

    const GateEntry acrossZ{-70, -3707, true, 10};
    EXPECT_EQ(race_rules::NextWrongWayFrames(acrossZ, -70, -3700, 0, 1, 3), 4);
    EXPECT_EQ(race_rules::NextWrongWayFrames(acrossZ, -70, -3700, 0, -1, 3), 0);
    EXPECT_EQ(race_rules::kWrongWayWarningFrames, 150);
}

TEST(GuardGate, IsTwoBehindTheNextWrappingRound) {
    EXPECT_EQ(race_rules::GuardGateIndex(5, 9), 3);
    EXPECT_EQ(race_rules::GuardGateIndex(1, 9), 8);
    EXPECT_EQ(race_rules::GuardGateIndex(0, 9), 7);
    EXPECT_EQ(race_rules::GuardGateIndex(0, 1), 0);  // slots 6 and 7
}

TEST(GuardGate, TurnsBackACarCrossingItBackwardsOnly) {
    const GateEntry guard{-40, -3738, false, 10};  // gate 1 of slot 1, crossed in x
    const GateEntry next{-70, -3707, true, 10};    // gate 3
    // Coming back towards +x: set 6 units back on the side it comes from.
    auto back = race_rules::GuardGateTurnBack(guard, next, -41, -3738, 4, 0);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->x, -46);
    EXPECT_EQ(back->z, -3738);
    EXPECT_EQ(back->yaw, 270);  // z -3738 is not beyond the next gate's -3707
    const GateEntry nextBelow{-70, -3750, true, 10};
    back = race_rules::GuardGateTurnBack(guard, nextBelow, -39, -3735, -4, 0);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->x, -34);
    EXPECT_EQ(back->yaw, 90);
    // Driving on through it in the course's direction, or beside it, does nothing.
    EXPECT_FALSE(race_rules::GuardGateTurnBack(guard, next, -41, -3738, -4, 0));
    EXPECT_FALSE(race_rules::GuardGateTurnBack(guard, next, -30, -3738, 4, 0));

    const GateEntry guardAlongX{-70, -3668, true, 10};
    const GateEntry nextAcross{106, -3636, false, 10};
    back = race_rules::GuardGateTurnBack(guardAlongX, nextAcross, -65, -3669, 0, 2);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->z, -3668 - 6);
    EXPECT_EQ(back->x, -65);
    EXPECT_EQ(back->yaw, 0);  // x -65 is not beyond the next gate's 106
    EXPECT_FALSE(race_rules::GuardGateTurnBack(guardAlongX, nextAcross, -65, -3667, 0, 2));
}

TEST(Overturn, PutsTheCarOnTheGuardGateSixUnitsOffItsLine) {
    const GateEntry guardAcross{-40, -3738, false, 10};
    const GateEntry next{-70, -3707, true, 10};
    auto at = race_rules::OverturnPlacement(guardAcross, next, -60, -3720);
    EXPECT_EQ(at.x, -46);  // x -60 is beyond the next gate's -70
    EXPECT_EQ(at.z, -3738);
    EXPECT_EQ(at.yaw, 270);  // the new z is not beyond the next gate's -3707
    at = race_rules::OverturnPlacement(guardAcross, next, -75, -3720);
    EXPECT_EQ(at.x, -34);

    const GateEntry guardAlongX{139, -3665, true, 10};
    const GateEntry nextAcross{108, -3738, false, 10};
    at = race_rules::OverturnPlacement(guardAlongX, nextAcross, 135, -3690);
    EXPECT_EQ(at.x, 139);
    EXPECT_EQ(at.z, -3665 - 6);  // z -3690 is beyond the next gate's -3738
    EXPECT_EQ(at.yaw, 180);      // the new x 139 is beyond the next gate's 108
}

}  // namespace
