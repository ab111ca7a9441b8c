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
    Place(-190, -3700, 0);
    DrivingKeys keys;
    keys.accelerate = true;
    float atThree = 0;
    for (int frame = 1; frame <= 300; ++frame) {
        Frame(keys);
        if (frame == 190) atThree = SpeedNow();
    }
    const float top = SpeedNow();
    printf("top %f at3 %f x %f\n", top, atThree, car_.Location.x);
    EXPECT_GT(top, 20.0f);
    EXPECT_NEAR(atThree, top, 0.03f * top) << "still speeding up after three seconds";

    car_.BoostReserve = 10;
    keys.boost = true;
    for (int frame = 0; frame < 120; ++frame) Frame(keys);
    printf("boost %f x %f\n", SpeedNow(), car_.Location.x);
    EXPECT_GT(SpeedNow(), 1.15f * top);
}

TEST_F(CarFeelTest, FromRestAtFullLockItMoves) {
    Place(0, -3900, 0);
    TEnemy driver;
    driver.Car = &car_;
    const track_tables::PointXZ route[] = {{-100, -3900}};
    driver.SetRoute(route);
    car_.Update(view_);
    for (int frame = 0; frame < 400; ++frame) {
        FrameScale = kFrameSeconds / 0.013L;
        driver.Update({});
        car_.Update(view_);
        StepPhysics(kFrameSeconds);
        if (frame % 10 == 0) printf("v %f head %f spin %f steer %f\n", SpeedNow(), double(car_.Heading), double(car_.Spin), double(car_.Steering));
    }
}

}  // namespace
