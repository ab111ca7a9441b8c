// The opponents' driving step: bearing, steering sign, throttle, waypoints, checkpoints and recovery.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/frame_timer.h"
#include "world/world.h"

namespace {

using track_tables::GateEntry;
using track_tables::PointXZ;

// A waypoint 100 units from the origin at the given bearing.
PointXZ AtBearing(long double degrees) {
    const long double rad = degrees * 3.14159265358979323846L / 180;
    return {static_cast<float>(100 * std::cos(rad)), static_cast<float>(100 * std::sin(rad))};
}

// The car has no engine objects: its velocity reads as zero, so a Spin above 6000
// makes it count as stuck.
class EnemyTest : public ::testing::Test {
protected:
    void SetUp() override {
        FrameScale = 1;
        driver_.Car = &car_;
        car_.Roll = 90;
    }
    bool Drive(std::vector<PointXZ> route, long double heading, int index = 0) {
        route_ = std::move(route);
        driver_.SetRoute(route_);
        driver_.WaypointIndex = index;
        car_.Heading = heading;
        return driver_.Update(gates_);
    }
    TCar car_;
    TEnemy driver_;
    std::vector<PointXZ> route_;
    std::vector<GateEntry> gates_{{1000, 1000, false, 10}};
};

TEST(EnemyBearing, FollowsTheHeadingConventionAndDxZeroGivesOneEighty) {
    EXPECT_NEAR(double(TEnemy::TargetBearing(10, 10)), 45.0, 1e-9);
    EXPECT_NEAR(double(TEnemy::TargetBearing(-10, -10)), 225.0, 1e-9);
    EXPECT_NEAR(double(TEnemy::TargetBearing(10, -10)), 315.0, 1e-9);
    EXPECT_DOUBLE_EQ(double(TEnemy::TargetBearing(0, 50)), 180.0);
    EXPECT_DOUBLE_EQ(double(TEnemy::TargetBearing(0, -50)), 180.0);
}

TEST_F(EnemyTest, SteeringIsPositiveWhenTheTargetBearingIsLarger) {
    Drive({AtBearing(45)}, 0);
    EXPECT_DOUBLE_EQ(double(car_.Steering), 1.0);
    Drive({AtBearing(45)}, 90);
    EXPECT_DOUBLE_EQ(double(car_.Steering), 0.0);
    car_.Steering = 29.5L;
    Drive({AtBearing(45)}, 0);
    EXPECT_DOUBLE_EQ(double(car_.Steering), 30.5);
    Drive({AtBearing(45)}, 0);
    EXPECT_DOUBLE_EQ(double(car_.Steering), 30.5);
}

TEST_F(EnemyTest, SmallErrorsReturnTowardsStraightWithoutSnapping) {
    car_.Steering = 0.5L;
    Drive({AtBearing(5)}, 0);
    EXPECT_DOUBLE_EQ(double(car_.Steering), -0.5);
    car_.Steering = 0.2L;
    Drive({AtBearing(5)}, 0);
    EXPECT_DOUBLE_EQ(double(car_.Steering), 0.2);
}

TEST_F(EnemyTest, BearingsAreComparedAcrossTheWrap) {
    Drive({AtBearing(10.5L)}, 350);  // heading counts as -10: error +20.5, not -339.5
    EXPECT_DOUBLE_EQ(double(car_.Steering), 1.0);
    Drive({AtBearing(9.5L)}, 350);  // error 19.5: back towards straight
    EXPECT_DOUBLE_EQ(double(car_.Steering), 0.0);
    Drive({AtBearing(340)}, 10);  // target counts as -20: error -30
    EXPECT_DOUBLE_EQ(double(car_.Steering), -1.0);
    // Farther from 0 the two are still compared the short way round: a driver told to
    // turn 300 degrees left would circle once before heading for the waypoint.
    car_.Steering = 0;
    Drive({AtBearing(340)}, 40);  // error -60, not +300
    EXPECT_DOUBLE_EQ(double(car_.Steering), -1.0);
    car_.Steering = 0;
    Drive({AtBearing(45)}, 300);  // error +105, not -255
    EXPECT_DOUBLE_EQ(double(car_.Steering), 1.0);
    car_.Steering = 0;
    Drive({AtBearing(100)}, 280);  // exactly half a turn apart: taken as given, -180, a right turn
    EXPECT_DOUBLE_EQ(double(car_.Steering), -1.0);
}

TEST_F(EnemyTest, BrakesForSharpTurnsOnlyWhenFast) {
    car_.Spin = 3000;
    Drive({AtBearing(89)}, 0);
    EXPECT_DOUBLE_EQ(double(car_.Spin), 2920.0);
    EXPECT_TRUE(car_.Braking);
    car_.Braking = false;
    car_.Spin = 2000;
    Drive({AtBearing(89)}, 0);
    EXPECT_DOUBLE_EQ(double(car_.Spin), 2040.0);
    EXPECT_FALSE(car_.Braking);
    EXPECT_DOUBLE_EQ(double(car_.Power), 1600.0);
}

TEST_F(EnemyTest, ReachedWaypointAdvancesAndWraps) {
    Drive({{5, 5}, {100, 0}, {-9, 9}}, 0);
    EXPECT_EQ(driver_.WaypointIndex, 1);
    driver_.Update(gates_);
    EXPECT_EQ(driver_.WaypointIndex, 1);
    Drive({{5, 5}, {100, 0}, {-9, 9}}, 0, 2);
    EXPECT_EQ(driver_.WaypointIndex, 0);
    Drive({{3, 3}}, 0);  // a one-point route stays at 0
    EXPECT_EQ(driver_.WaypointIndex, 0);
}

TEST_F(EnemyTest, CheckpointsCountAndTheLastGateEndsALapCountedLikeAnyOther) {
    gates_ = {{0, 0, false, 10}, {50, 0, true, 10}};
    car_.LapsToGo = 2;
    car_.Location = {2.9f, 0, 12.9f};  // within 3 in x and 13 in z of a gate across x
    Drive({{500, 500}}, 0);
    EXPECT_EQ(car_.CheckpointsPassed, 1);
    EXPECT_EQ(car_.CheckpointIndex, 1);
    car_.Location = {50 + 13.0f, 0, 0};  // the edge is outside
    driver_.Update(gates_);
    EXPECT_EQ(car_.CheckpointIndex, 1);
    car_.Location = {50 + 12.9f, 0, -2.9f};
    driver_.Update(gates_);
    EXPECT_EQ(car_.CheckpointIndex, 0);
    EXPECT_EQ(car_.CheckpointsPassed, 2);
    EXPECT_EQ(car_.LapsToGo, 1);
}

TEST_F(EnemyTest, StuckCarGoesBackToTheWaypointBeforeTheCurrentOne) {
    car_.Spin = 6500;
    EXPECT_TRUE(Drive({{-40, 7}, {200, 0}, {300, 0}}, 0, 1));
    EXPECT_EQ(car_.Location.x, -40.0f);
    EXPECT_EQ(car_.Location.y, -48.0f);
    EXPECT_EQ(car_.Location.z, 7.0f);
    EXPECT_DOUBLE_EQ(double(car_.Spin), 0.0);
    EXPECT_EQ(driver_.WaypointIndex, 1);

    car_.Spin = 6500;  // from the first waypoint: the last one
    EXPECT_TRUE(Drive({{200, 0}, {300, 0}, {-10, -20}}, 0));
    EXPECT_EQ(car_.Location.x, -10.0f);

    car_.Spin = 6500;  // the index reached in this frame counts
    car_.Location = {0, 0, 0};
    EXPECT_TRUE(Drive({{-60, 0}, {2, 2}, {300, 0}}, 0, 1));
    EXPECT_EQ(car_.Location.x, 2.0f);

    car_.Spin = 5900;
    EXPECT_FALSE(Drive({{200, 0}}, 0));
}

// A car held against a barrier: its own stall cut keeps its Spin near 3000, far
// below the 6000 of the stuck rule, so the time it has stood still puts it back.
TEST_F(EnemyTest, CarStandingStillForThreeSecondsIsPutBackAtAnyFrameRate) {
    for (const auto& [scale, frames] : {std::pair{1.0L, 231}, std::pair{2.5L, 93}}) {
        FrameScale = scale;
        route_ = {{200, 0}, {-30, 4}};
        driver_.SetRoute(route_);
        driver_.WaypointIndex = 1;
        for (int round = 0; round < 2; ++round) {  // and again after the recovery
            int frame = 0;
            bool recovered = false;
            while (!recovered && frame < 1000) {
                car_.Location = {0, 0, 0};
                car_.Spin = 400;  // the car's stall cut
                recovered = driver_.Update(gates_);
                ++frame;
            }
            EXPECT_EQ(frame, frames) << "scale " << double(scale) << " round " << round;
            EXPECT_EQ(car_.Location.x, 200.0f);
            EXPECT_EQ(car_.Location.y, -48.0f);
        }
        // A new route starts the count again.
        driver_.StillTime = 2.99L;
        driver_.SetRoute(route_);
        EXPECT_DOUBLE_EQ(double(driver_.StillTime), 0.0);
    }
}

TEST_F(EnemyTest, OverturnedCarIsRecovered) {
    car_.Roll = 272;
    car_.Overturned = true;
    car_.OverturnedTime = 3.5L;
    EXPECT_TRUE(Drive({{200, 0}, {-5, -5}}, 0));
    EXPECT_EQ(car_.Location.x, -5.0f);
}

}  // namespace
