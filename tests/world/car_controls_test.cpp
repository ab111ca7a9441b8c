// The player's key rules: steering and its limits, reversed steering, throttle, braking and boost.
#include <gtest/gtest.h>

#include "core/frame_timer.h"
#include "world/world.h"

namespace {

constexpr DrivingKeys kNone{};
constexpr DrivingKeys kLeft{true, false, false, false, false};
constexpr DrivingKeys kRight{false, true, false, false, false};
constexpr DrivingKeys kBoth{true, true, false, false, false};
constexpr DrivingKeys kGas{false, false, true, false, false};
constexpr DrivingKeys kBrake{false, false, false, true, false};
constexpr DrivingKeys kGasAndBrake{false, false, true, true, false};
constexpr DrivingKeys kGasAndBoost{false, false, true, false, true};

class CarControlsTest : public ::testing::Test {
protected:
    void SetUp() override { FrameScale = 1; }
    double After(const DrivingKeys& keys, long double TCar::*value) {
        car_.ApplyDrivingInputs(keys);
        return double(car_.*value);
    }
    TCar car_;
};

TEST_F(CarControlsTest, LeftRaisesSteeringRightLowersItAndRightWins) {
    EXPECT_DOUBLE_EQ(After(kLeft, &TCar::Steering), 2.0);
    EXPECT_DOUBLE_EQ(After(kRight, &TCar::Steering), 0.0);
    EXPECT_DOUBLE_EQ(After(kBoth, &TCar::Steering), -2.0);
    FrameScale = 2.5L;
    EXPECT_DOUBLE_EQ(After(kLeft, &TCar::Steering), 3.0);
}

TEST_F(CarControlsTest, SteeringLimitsAreTestedBeforeTheStep) {
    car_.Steering = 29;
    EXPECT_DOUBLE_EQ(After(kLeft, &TCar::Steering), 31.0);
    EXPECT_DOUBLE_EQ(After(kLeft, &TCar::Steering), 31.0);
    car_.Steering = -30;
    EXPECT_DOUBLE_EQ(After(kRight, &TCar::Steering), -30.0);
}

TEST_F(CarControlsTest, ReleasedSteeringReturnsAndSnapsInsideTheDeadZone) {
    car_.Steering = 3;
    EXPECT_DOUBLE_EQ(After(kNone, &TCar::Steering), 2.0);
    EXPECT_DOUBLE_EQ(After(kNone, &TCar::Steering), 1.0);
    EXPECT_DOUBLE_EQ(After(kNone, &TCar::Steering), 0.0);  // 1.0 is within 1.1
    car_.Steering = -1.2L;
    EXPECT_NEAR(After(kNone, &TCar::Steering), -0.2, 1e-12);
}

TEST_F(CarControlsTest, ReverseTimerSwapsTheKeysWhileNotNegative) {
    car_.ReverseTimer = 10;
    EXPECT_DOUBLE_EQ(After(kLeft, &TCar::Steering), -2.0);
    EXPECT_DOUBLE_EQ(After(kRight, &TCar::Steering), 0.0);
    EXPECT_DOUBLE_EQ(After(kBoth, &TCar::Steering), -2.0);  // left is checked first now
    car_.Steering = 0;
    car_.ReverseTimer = 0;
    EXPECT_DOUBLE_EQ(After(kLeft, &TCar::Steering), -2.0);
    car_.ReverseTimer = -0.001L;  // where the countdown ends
    EXPECT_DOUBLE_EQ(After(kLeft, &TCar::Steering), 0.0);
}

TEST_F(CarControlsTest, ThrottleBrakeAndCoasting) {
    EXPECT_DOUBLE_EQ(After(kGas, &TCar::Spin), 40.0);
    EXPECT_DOUBLE_EQ(double(car_.Power), 2000.0);
    car_.Spin = 7000;
    EXPECT_DOUBLE_EQ(After(kGas, &TCar::Spin), 7000.0);
    car_.Spin = 6990;  // the overshoot is taken back by the boost fade in the same frame
    EXPECT_DOUBLE_EQ(After(kGas, &TCar::Spin), 6980.0);
    EXPECT_DOUBLE_EQ(After(kGasAndBrake, &TCar::Spin), 7020.0 - 50.0);
    EXPECT_FALSE(car_.Braking);

    car_.Spin = 100;
    EXPECT_DOUBLE_EQ(After(kBrake, &TCar::Spin), 50.0);
    EXPECT_TRUE(car_.Braking);
    car_.Braking = false;
    car_.Spin = -2000;
    EXPECT_DOUBLE_EQ(After(kBrake, &TCar::Spin), -2000.0);
    EXPECT_FALSE(car_.Braking);  // at full reverse the brake is not applied

    car_.Spin = -50;
    EXPECT_DOUBLE_EQ(After(kNone, &TCar::Spin), -10.0);
    EXPECT_DOUBLE_EQ(After(kNone, &TCar::Spin), 0.0);
}

TEST_F(CarControlsTest, BoostSpendsReserveUpToNineThousandAndFadesWhenReleased) {
    car_.Spin = 7000;
    EXPECT_DOUBLE_EQ(After(kGasAndBoost, &TCar::Spin), 7000.0);  // no reserve
    car_.BoostReserve = 10;
    EXPECT_DOUBLE_EQ(After(kGasAndBoost, &TCar::Spin), 7100.0);
    EXPECT_NEAR(double(car_.BoostReserve), 10 - 0.013, 1e-12);
    car_.Spin = 8950;
    EXPECT_DOUBLE_EQ(After(kGasAndBoost, &TCar::Spin), 9050.0);
    EXPECT_DOUBLE_EQ(After(kGasAndBoost, &TCar::Spin), 9050.0);
    EXPECT_DOUBLE_EQ(After(kGas, &TCar::Spin), 9000.0);
}

}  // namespace
