// How a car drives on the generated data: top speed, boost, steering, staying on its
// wheels, and the stall limit against a barrier, at the race's fixed step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "core/frame_timer.h"
#include "engine/engine.h"
#include "platform/platform.h"
#include "tests/world/world_fixture.h"
#include "world/world.h"

namespace {

namespace fs = std::filesystem;

constexpr float kFrameSeconds = 0.016f;
// Track 1 stands here; its table reaches 260 units each way.
constexpr Vec3 kTrackAt{40, -50, -3700};

float Speed(const Vec3& v) { return std::sqrt(v.x * v.x + v.z * v.z); }

class CarFeelTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        const char* bin = std::getenv("PEBBLEDASH_BIN");
        const fs::path data = fs::path(bin ? bin : ".");
        if (!fs::exists(data / "data" / "Car_.spg") || !fs::exists(data / "data" / "Trassa1_5.00.ply")) {
            GTEST_SKIP() << "no generated data in " << data;
        }
        platform::SetProgramFolder(data.string());
        OpenEngine();
        track_.Load(1);
        track_.Location = kTrackAt;
        track_.Locate();
        car_.Create(2, grid_);
        car_.ChassisTablePairs[0] = iBodyBodyCreate(car_.Chassis, track_.TableBody);
        car_.ChassisTrackPairs[0] = iBodyBodyCreate(car_.Chassis, track_.Body);
        iBodyBodyFeedbackEnable(car_.ChassisTrackPairs[0], -1, -1, -1);
        for (int w = 0; w < 4; ++w) {
            const EngineHandle pair = iBodyBodyCreate(car_.WheelBodies[w], track_.TableBody);
            iBodyBodySplitFrictionSet(pair, 70, 0, 40, 0);
            iBodyBodyFrictionSet(pair, 180);
            car_.WheelTablePairs[0][w] = pair;
        }
        view_.trackNo = 1;
        view_.selectedCar = 2;
        view_.bonuses = &grid_;
        view_.counters = &counters_;
    }

    // The car at rest at (x, -48, z) facing yaw degrees (0 along +x, 90 along -z).
    void Place(float x, float z, float yaw) {
        car_.Location = {x, -48, z};
        car_.Rotation = {0, yaw, 0};
        car_.Reset();
        car_.Show();
        car_.Spin = 0;
        car_.Steering = 0;
        car_.Power = 1;
    }

    // One frame of the race: the keys, the car, then the simulation.
    void Frame(const DrivingKeys& keys) {
        FrameScale = kFrameSeconds / 0.013L;
        car_.ApplyDrivingInputs(keys);
        car_.Update(view_);
        StepPhysics(kFrameSeconds);
    }

    float SpeedNow() const { return Speed(iBodyVelocity(car_.Chassis)); }

    TTrassa track_;
    BonusGrid grid_{};
    TCar car_;
    RaceCounters counters_;
    CarRaceView view_;
};

TEST_F(CarFeelTest, FullThrottleReachesASteadyTopSpeedAndBoostRaisesIt) {
    iBodyDisable(track_.Body);  // the whole table is free to drive on
    Place(-200, -3700, 0);
    DrivingKeys keys;
    keys.accelerate = true;
    float atFour = 0;
    for (int frame = 1; frame <= 375; ++frame) {
        Frame(keys);
        if (frame == 250) atFour = SpeedNow();
    }
    const float top = SpeedNow();
    EXPECT_GT(top, 20.0f);
    EXPECT_NEAR(atFour, top, 0.03f * top) << "still speeding up after four seconds";
    EXPECT_GT(std::fabs(double(car_.Heading) - 180.0), 177.0) << "full throttle alone keeps the car straight";

    car_.BoostReserve = 10;
    keys.boost = true;
    for (int frame = 0; frame < 120; ++frame) Frame(keys);
    EXPECT_GT(SpeedNow(), 1.15f * top);
}

TEST_F(CarFeelTest, LeftKeyTurnsLeftAndFullLockAtTopSpeedKeepsTheCarOnItsWheels) {
    iBodyDisable(track_.Body);
    Place(-200, -3700, 0);
    DrivingKeys keys;
    keys.accelerate = true;
    for (int frame = 0; frame < 200; ++frame) Frame(keys);
    ASSERT_GT(std::fabs(double(car_.Heading) - 180.0), 170.0) << "heading near 0 before the turn";

    keys.left = true;
    for (int frame = 0; frame < 20; ++frame) Frame(keys);
    EXPECT_GT(car_.Steering, 0);
    EXPECT_GT(double(car_.Heading), 5.0) << "positive steering turns the car towards a larger heading";
    EXPECT_LT(double(car_.Heading), 180.0);

    float lowestUpright = 1;
    for (int frame = 0; frame < 150; ++frame) {
        Frame(keys);
        const Quaternion q = iBodyOrientation(car_.Chassis);
        const Vec3 up = iVectorRotate({0, 1, 0}, q);
        lowestUpright = std::min(lowestUpright, up.y);
        ASSERT_FALSE(car_.Overturned) << "frame " << frame;
    }
    EXPECT_GT(lowestUpright, 0.5f) << "the car leaned more than 60 degrees";
    keys = {};
    for (int frame = 0; frame < 120; ++frame) Frame(keys);
    EXPECT_GT(iVectorRotate({0, 1, 0}, iBodyOrientation(car_.Chassis)).y, 0.95f) << "back on its wheels";
}

TEST_F(CarFeelTest, FullThrottleAgainstABarrierCutsTheSpinTo400) {
    // Track 1's inner barrier runs along z = -3647.9 here; the road lies north of it.
    Place(-20, -3641, 90);
    DrivingKeys keys;
    keys.accelerate = true;
    bool cut = false;
    for (int frame = 0; frame < 250; ++frame) {
        Frame(keys);
        // The throttle adds 49.2 a frame from 0, so exactly 400 is the stall limit's doing.
        if (car_.Spin == 400) cut = true;
    }
    EXPECT_TRUE(cut);
    EXPECT_GT(car_.Location.z, -3648.0f) << "the car went through the barrier";
    EXPECT_LT(SpeedNow(), 3.0f);
}

}  // namespace
