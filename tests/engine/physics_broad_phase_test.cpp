// Which geoms meet: boxes fresh at every step, static meshes met where they stand now.
#include "physics_fixture.h"

namespace {

constexpr Vec3 kFall{0, -40, 0};

}  // namespace

class PhysicsBroadPhaseTest : public PhysicsTest {
protected:
    EngineHandle BallAt(const Vec3& location, EngineHandle ground) {
        const EngineHandle ball = iBodySphereCreate(0.5f, 1);
        iBodyLocationSet(ball, location, -1);
        iBodyBodyCreate(ball, ground);
        return ball;
    }
    void Fall(std::initializer_list<EngineHandle> balls, int frames) {
        for (int i = 0; i < frames; ++i) {
            for (EngineHandle ball : balls) iBodyAccelerationApply(ball, kFall);
            Frame(0.016f);
        }
    }
};

// A mesh moved after it has been met is met where it now stands, and no longer
// where it stood.
TEST_F(PhysicsBroadPhaseTest, AMovedMeshIsMetWhereItNowStands) {
    const EngineHandle slab = CreateSlab(10);
    const EngineHandle first = BallAt({0, 2, 0}, slab);
    Fall({first}, 60);
    ASSERT_NEAR(iBodyLocation(first).y, 0.5f, 0.05f);

    iBodyLocationSet(slab, {300, 0, 0}, -1);
    const EngineHandle second = BallAt({300, 2, 0}, slab);
    Fall({first, second}, 60);
    EXPECT_LT(iBodyLocation(first).y, -5.0f) << "the slab is no longer under it";
    EXPECT_NEAR(iBodyLocation(second).y, 0.5f, 0.05f) << "the slab is met at its new place";
}

// A turned mesh is met as it is turned.
TEST_F(PhysicsBroadPhaseTest, ATurnedMeshIsMetAsItIsTurned) {
    WriteBoxPly("data/plank.ply", {0, -1, -2}, {40, 0, 2});
    const EngineHandle plank = iBodyCreate("data\\Plank.ply");
    ASSERT_NE(plank, 0);
    iBodyEulerOrientationSet(plank, 0, 90, 0, "xyz", -1);  // +x turns to -z
    const EngineHandle on = BallAt({0, 2, -15}, plank);
    const EngineHandle behind = BallAt({0, 2, 15}, plank);
    const EngineHandle beside = BallAt({15, 2, 0}, plank);
    Fall({on, behind, beside}, 60);
    EXPECT_NEAR(iBodyLocation(on).y, 0.5f, 0.05f);
    EXPECT_LT(iBodyLocation(behind).y, -5.0f);
    EXPECT_LT(iBodyLocation(beside).y, -5.0f);
}

// Several steps in one frame: a fast ball is met by the wall at the step it gets
// there, not at the frame's first step only.
TEST_F(PhysicsBroadPhaseTest, BoxesAreFreshAtEveryStepOfAFrame) {
    WriteBoxPly("data/wall.ply", {5, -5, -5}, {7, 5, 5});
    const EngineHandle wall = iBodyCreate("data\\Wall.ply");
    const EngineHandle ball = iBodySphereCreate(0.5f, 1);
    const EngineHandle pair = iBodyBodyCreate(ball, wall);
    iBodyBodyFeedbackEnable(pair, -1, -1, -1);
    for (int i = 0; i < 2; ++i) {
        iBodyAccelerationApply(ball, {2000, 0, 0});  // 53 units a second, 0.7 a step
        Frame(kStep);
    }
    ASSERT_LT(iBodyLocation(ball).x, 1.5f);
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(Frame(8 * kStep), 8);
    EXPECT_NE(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_LT(iBodyLocation(ball).x, 5.0f) << "it went into the wall";
}
