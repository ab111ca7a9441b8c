// The chase camera: the pull towards its wanted point, its contact pairs, and how fast it turns.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "engine/physics_world.h"
#include "platform/platform.h"
#include "race/race.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// An open engine on a hidden window with a hand-driven clock, so iFrq gives the
// frame time the case chooses.
class ChaseCameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetProgramFolder(folder_.Path().string());
        platform::UseManualClock(1000);
        window_ = platform::CreateMainWindow(platform::WindowConfig{});
        ASSERT_NE(window_, nullptr);
        ASSERT_NE(iEngineOpen(window_, 0), 0);
        const int32_t block[6] = {0, 0, 800 * 600 * 32, 0, 0, -1};
        ASSERT_NE(iEngineSettings(block), 0);
        iSimulationFrqSet(0.01333f);
        camera_ = iCameraCreate(0, 0, 1, 1);
        ASSERT_NE(camera_, 0);
        iEngineMain();
    }

    void TearDown() override {
        iEngineClose();
        engine::PhysicsClose();
        platform::DestroyWindow(window_);
    }

    // A frame of the given length as the engine measures it.
    static void Frame(double seconds) {
        platform::AdvanceClock(seconds);
        iEngineMain();
    }

    static Vec3 Forward(const Quaternion& q) { return iVectorRotate({0, 0, 1}, q); }

    test_support::ScratchFolder folder_{"pd-race"};
    platform::WindowHandle window_ = nullptr;
    EngineHandle camera_ = 0;
};

TEST_F(ChaseCameraTest, SphereStartsAtTheCameraWithPairsUpToTheFirstZeroHandle) {
    iCameraLocationSet(camera_, {3, 4, 5});
    const EngineHandle a = iBodySphereCreate(1, 1), b = iBodySphereCreate(1, 1), c = iBodySphereCreate(1, 1);
    const std::vector<EngineHandle> bodies{a, b, 0, c};
    CameramanLookAtPointKeepDistanceFast_t chase(camera_, 1.0f, 10.0f, 20.0f, 10.0f, 0.9f, 0.1f, bodies);
    EXPECT_EQ(iBodyLocation(chase.Sphere).z, 5.0f);
    EXPECT_EQ(chase.ContactCount, 2);
    ASSERT_EQ(chase.ContactPairs.size(), 2u);
    // Asking the engine again for the sphere's pair with a or b gives the same pair.
    EXPECT_EQ(iBodyBodyCreate(chase.Sphere, a), chase.ContactPairs[0]);
    EXPECT_EQ(iBodyBodyCreate(chase.Sphere, b), chase.ContactPairs[1]);
    CameramanLookAtPointKeepDistanceFast_t plain(camera_, 1.0f, 10.0f, 20.0f, 10.0f, 0.9f, 0.1f, {});
    EXPECT_EQ(plain.ContactCount, 0);
}

TEST_F(ChaseCameraTest, SphereOnItsWantedPointGetsNoAcceleration) {
    // Distance 25 and height 20: a sphere at (15, 20, 0) from a target at the origin
    // is exactly on its wanted point.
    iCameraLocationSet(camera_, {15, 20, 0});
    CameramanLookAtPointKeepDistanceFast_t chase(camera_, 1.0f, 25.0f, 20.0f, 10.0f, 0.9f, 0.1f, {});
    for (int frame = 0; frame < 5; ++frame) {
        Frame(0.02);
        chase.Follow({0, 0, 0});
        engine::PhysicsFrame(0.02f);
    }
    EXPECT_LT(iVectorLength(iBodyVelocity(chase.Sphere)), 1e-3f);
}

TEST_F(ChaseCameraTest, SphereAwayFromItsWantedPointIsPulledThere) {
    // The wanted point of a target at the origin: 10 along the sphere's side, 20 up.
    iCameraLocationSet(camera_, {30, 0, 0});
    CameramanLookAtPointKeepDistanceFast_t chase(camera_, 1.0f, 10.0f, 20.0f, 10.0f, 0.9f, 0.1f, {});
    Frame(0.02);
    chase.Follow({0, 0, 0});
    engine::PhysicsFrame(0.02f);
    const Vec3 v = iBodyVelocity(chase.Sphere);
    EXPECT_LT(v.x, -0.5f);
    EXPECT_GT(v.y, 0.5f);
    // The camera stands where the sphere was before this frame's pull.
    EXPECT_EQ(iCameraLocation(camera_).x, 30.0f);
}

TEST_F(ChaseCameraTest, FrameOfTurnTimeOrMoreTurnsFullyShorterPartly) {
    const double sin45 = std::sqrt(0.5);
    for (const auto& [frame, expectedX] : {std::pair{0.1, 1.0}, std::pair{0.25, 1.0}, std::pair{0.05, sin45}}) {
        iCameraOrientationSet(camera_, Quaternion{});
        iCameraLocationSet(camera_, {0, 0, 0});
        CameramanLookAtPointKeepDistanceFast_t chase(camera_, 1.0f, 10.0f, 20.0f, 10.0f, 0.9f, 0.1f, {});
        Frame(frame);
        chase.Follow({10, 0, 0});  // to the right of a camera looking along +z
        EXPECT_NEAR(Forward(iCameraOrientation(camera_)).x, expectedX, 1e-3) << "frame " << frame << " s";
    }
}

}  // namespace
