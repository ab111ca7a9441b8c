// The car's per-frame step: the stall limit, the reverse countdown, braking for one frame, gravity.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "tests/world/world_fixture.h"
#include "world/world.h"

namespace {

class CarUpdateTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        WriteCarFiles();
        car_.Create(1, grid_);
        ASSERT_NE(car_.Chassis, 0);
        car_.Location = {0, 0, 0};
        car_.Reset();
    }
    // Spin after one Update of a car that was pushed (free-floating) to some speed first.
    double SpinAfterPush(const Vec3& acceleration, long double spin) {
        car_.Reset();
        iBodyAccelerationApply(car_.Chassis, acceleration);
        StepPhysics(0.1f);
        car_.Spin = spin;
        car_.Update(CarRaceView{});
        return double(car_.Spin);
    }
    BonusGrid grid_{};
    TCar car_;
};

TEST_F(CarUpdateTest, StandingCarWithWheelsSpinningAboveThreeThousandIsCutTo400) {
    EXPECT_DOUBLE_EQ(SpinAfterPush({0, 0, 0}, 5000), 400.0);
    EXPECT_DOUBLE_EQ(double(car_.PreviousSpin), 400.0);
    EXPECT_DOUBLE_EQ(SpinAfterPush({0, 0, 0}, 3000), 3000.0);
    EXPECT_DOUBLE_EQ(SpinAfterPush({0, 0, 0}, 3000.5L), 400.0);
    EXPECT_DOUBLE_EQ(SpinAfterPush({0, 0, 0}, -6000), -6000.0);
}

TEST_F(CarUpdateTest, MovingThreeUnitsASecondInXOrZKeepsTheSpin) {
    EXPECT_DOUBLE_EQ(SpinAfterPush({0, 0, 100}, 5000), 5000.0);
    EXPECT_DOUBLE_EQ(SpinAfterPush({-100, 0, 0}, 5000), 5000.0);
    EXPECT_DOUBLE_EQ(SpinAfterPush({0, 100, 0}, 5000), 400.0);  // only x and z count
}

TEST_F(CarUpdateTest, ReverseTimerCountsDownAndStaysSlightlyNegative) {
    car_.ReverseTimer = 0.02L;
    car_.Update(CarRaceView{});
    EXPECT_NEAR(double(car_.ReverseTimer), 0.007, 1e-12);
    car_.Update(CarRaceView{});
    car_.Update(CarRaceView{});
    EXPECT_NEAR(double(car_.ReverseTimer), -0.006, 1e-12);
}

TEST_F(CarUpdateTest, BrakingLastsOneFrameAndGravityPullsTheCarDown) {
    car_.Brake();
    EXPECT_TRUE(car_.Braking);
    car_.Update(CarRaceView{});
    EXPECT_FALSE(car_.Braking);
    // 784.532 is a force on the chassis of mass 20 (about 39 units/s^2), an
    // acceleration on the light wheels: after 0.1 s the car falls at about 4 units/s.
    StepPhysics(0.1f);
    const float fall = iBodyVelocity(car_.Chassis).y;
    EXPECT_LT(fall, -3.0f);
    EXPECT_GT(fall, -6.0f);
}

}  // namespace
