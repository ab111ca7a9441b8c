// The angle rule A(p, q), and the Heading, Roll and overturn clock a car measures from its chassis.
#include <gtest/gtest.h>

#include "core/frame_timer.h"
#include "engine/engine.h"
#include "tests/world/world_fixture.h"
#include "world/world.h"

TEST(OrientationAngle, QuadrantsAxesAndTheZeroCase) {
    EXPECT_NEAR(double(OrientationAngle(1, 1)), 45.0, 1e-9);
    EXPECT_NEAR(double(OrientationAngle(1, -1)), 135.0, 1e-9);
    EXPECT_NEAR(double(OrientationAngle(-1, -1)), 225.0, 1e-9);
    EXPECT_NEAR(double(OrientationAngle(-1, 1)), 315.0, 1e-9);
    EXPECT_DOUBLE_EQ(double(OrientationAngle(0, 1)), 0.0);
    EXPECT_DOUBLE_EQ(double(OrientationAngle(0, -1)), 180.0);
    // q = 0 gives a base of 0, so both signs of p land on 180.
    EXPECT_DOUBLE_EQ(double(OrientationAngle(1, 0)), 180.0);
    EXPECT_DOUBLE_EQ(double(OrientationAngle(-1, 0)), 180.0);
}

class CarOrientationTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        WriteCarFiles();
        car_.Create(1, bonuses_);
        ASSERT_NE(car_.Chassis, 0);
    }
    // The car turned by Euler angles (degrees, "xyz"), measured by one Update.
    TCar& Measure(float rx, float ry, float rz) {
        iBodyEulerOrientationSet(car_.Chassis, rx, ry, rz, "xyz", -1);
        car_.Update(CarRaceView{});
        return car_;
    }

    BonusGrid bonuses_{};
    TCar car_;
};

TEST_F(CarOrientationTest, HeadingGrowsFromPlusXTowardsPlusZ) {
    EXPECT_NEAR(double(Measure(0, 0, 0).Heading), 0.0, 1e-3);
    // A yaw of t maps +x to (cos t, 0, -sin t): yaw 270 faces +z (heading 90), yaw 30 gives 330.
    EXPECT_NEAR(double(Measure(0, 270, 0).Heading), 90.0, 0.01);
    EXPECT_NEAR(double(Measure(0, 30, 0).Heading), 330.0, 0.01);
}

TEST_F(CarOrientationTest, RollIsNinetyUprightTwoSeventyOnTheRoofAndLevelGivesOneEighty) {
    EXPECT_NEAR(double(Measure(0, 0, 0).Roll), 180.0, 1e-3);  // exactly level: U.z = 0
    EXPECT_NEAR(double(Measure(5, 0, 0).Roll), 90.0, 6.0);
    EXPECT_NEAR(double(Measure(-5, 0, 0).Roll), 90.0, 6.0);
    EXPECT_NEAR(double(Measure(175, 0, 0).Roll), 270.0, 6.0);
    EXPECT_NEAR(double(Measure(185, 0, 0).Roll), 270.0, 6.0);
}

TEST_F(CarOrientationTest, OverturnedOnlyAfterThreeSecondsOnTheRoof) {
    FrameScale = 50;  // 0.65 s a frame
    Measure(178, 0, 0);
    EXPECT_FALSE(car_.IsOverturned());  // marks it; its clock starts with the next Update
    EXPECT_TRUE(car_.Overturned);
    for (int frame = 1; frame <= 4; ++frame) {
        car_.Update(CarRaceView{});
        EXPECT_FALSE(car_.IsOverturned()) << frame * 0.65 << " s";
    }
    car_.Update(CarRaceView{});  // 3.25 s
    EXPECT_TRUE(car_.IsOverturned());
    Measure(5, 0, 0);
    EXPECT_FALSE(car_.IsOverturned());
    car_.Update(CarRaceView{});
    EXPECT_DOUBLE_EQ(double(car_.OverturnedTime), 0.0);
}
