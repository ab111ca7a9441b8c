// Bodies: files, handles, placement, Euler orientations and the centre of mass.
#include <cmath>

#include "engine/physics_world.h"
#include "physics_fixture.h"

namespace {

void ExpectNear(const Vec3& a, const Vec3& b, float tolerance = 1e-4f) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

}  // namespace

using PhysicsBodiesTest = PhysicsTest;

TEST_F(PhysicsBodiesTest, MissingOrDamagedFilesGiveZeroAndALogLine) {
    EXPECT_EQ(iBodyCreate("data\\Nothing_5.00.ply"), 0);
    ASSERT_EQ(log_.size(), 1u);
    EXPECT_NE(log_[0].find("data\\Nothing_5.00.ply"), std::string::npos);

    WriteFile("data/broken.ply", "ply\nformat ascii 1.0\nelement vertex 3\nproperty float x\nend_header\n1\n");
    EXPECT_EQ(iBodyCreate("data\\broken.ply"), 0);
    EXPECT_EQ(log_.size(), 2u);

    EXPECT_EQ(iBodySGCreate("data\\none.spg", 1), 0);
    WriteFile("data/bad.spg", "0 0 0 1\n0 0 zero 1\n");
    EXPECT_EQ(iBodySGCreate("data\\bad.spg", 1), 0);
    WriteFile("data/flat.spg", "0 0 0 0\n");
    EXPECT_EQ(iBodySGCreate("data\\flat.spg", 1), 0);
    WriteFile("data/empty.spg", "# nothing\n\n");
    EXPECT_EQ(iBodySGCreate("data\\empty.spg", 1), 0);
    EXPECT_EQ(log_.size(), 6u);
    EXPECT_EQ(iBodyCreate(nullptr), 0);
    EXPECT_EQ(iBodySphereCreate(-1, 1), 0);
}

TEST_F(PhysicsBodiesTest, HandleZeroAndStaleHandlesAreHarmless) {
    const EngineHandle ball = iBodySphereCreate(1, 1);
    iBodyLocationSet(ball, {1, 2, 3}, -1);
    iBodyDestroy(ball);
    for (EngineHandle h : {EngineHandle(0), ball, EngineHandle(-5), EngineHandle(0x7fffffff)}) {
        iBodyLocationSet(h, {1, 1, 1}, -1);
        iBodyEulerOrientationSet(h, 0, 90, 0, "xyz", -1);
        iBodyForceApply(h, {1, 0, 0}, {0, 0, 0});
        iBodyAccelerationApply(h, {1, 0, 0});
        iBodyDampingSet(h, 0, 0.5f, 0, 0.5f);
        iBodyEnable(h);
        iBodyDisable(h);
        iBodyPhysicsReset(h);
        iBodyDestroy(h);
        iBodyBodyDestroy(h);
        iBodyBodyRestitutionSet(h, 1);
        iWheelSpinSet(h, 100);
        iWheelSteeringAngleSet(h, 10);
        EXPECT_EQ(iBodyLocation(h).y, 0.0f);
        EXPECT_EQ(iBodyOrientation(h).w, 1.0f);
        EXPECT_EQ(iBodyVelocity(h).x, 0.0f);
        EXPECT_EQ(iBodyBodyCreate(h, h), 0);
        EXPECT_EQ(iWheelCreate(h, h, {}, {}), 0);
    }
    Frame(0.1f);

    const EngineHandle before = iBodySphereCreate(1, 1);
    engine::PhysicsClose();
    iBodyLocationSet(before, {5, 5, 5}, -1);
    const EngineHandle after = iBodySphereCreate(1, 1);
    EXPECT_NE(after, before) << "a re-opened world hands out new handles";
    EXPECT_EQ(iBodyLocation(after).x, 0.0f);
    EXPECT_EQ(iBodyLocation(before).x, 0.0f);
}

TEST_F(PhysicsBodiesTest, YawFollowsTheEngineConvention) {
    const EngineHandle body = iBodySphereCreate(1, 1);
    iBodyEulerOrientationSet(body, 0, 90, 0, "xyz", -1);
    ExpectNear(iVectorRotate({1, 0, 0}, iBodyOrientation(body)), {0, 0, -1});
    iBodyEulerOrientationSet(body, 0, 270, 0, "xyz", -1);
    ExpectNear(iVectorRotate({1, 0, 0}, iBodyOrientation(body)), {0, 0, 1});
    EXPECT_NEAR(Heading(body), 90, 1e-3);
    iBodyEulerOrientationSet(body, 90, 0, 0, "xyz", -1);
    ExpectNear(iVectorRotate({0, 1, 0}, iBodyOrientation(body)), {0, 0, 1});
    iBodyOrientationSet(body, iQuaternionFromAxisAngle({0, 0, 1}, 90), -1);
    ExpectNear(iVectorRotate({1, 0, 0}, iBodyOrientation(body)), {0, 1, 0});
}

// A group of spheres is weighted at its underside: its centre of mass lies under
// the spheres' centre, 0.3 below their lowest point.
TEST_F(PhysicsBodiesTest, TheLocationIsTheFilesOriginAndTheCentreOfMassLiesUnderTheSpheres) {
    WriteFile("data/lopsided.spg", "0 0 0 1\n4 0 0 1\n\n# a comment\n");
    const EngineHandle body = iBodySGCreate("data\\lopsided.spg", 10);
    ASSERT_NE(body, 0);
    iBodyLocationSet(body, {10, 0, 0}, -1);
    ExpectNear(iBodyLocation(body), {10, 0, 0});
    ExpectNear(iBodyLocationCM(body), {12, -1.3f, 0});
    iBodyEulerOrientationSet(body, 0, 90, 0, "xyz", -1);
    ExpectNear(iBodyLocation(body), {10, 0, 0});  // it turns about its origin
    ExpectNear(iBodyLocationCM(body), {10, -1.3f, -2});

    Vec3 location;
    Quaternion orientation;
    ASSERT_TRUE(engine::PhysicsBodyPose(body, &location, &orientation));
    ExpectNear(location, {10, 0, 0});
    EXPECT_NEAR(orientation.y, std::sin(3.14159265f / 4), 1e-5);
    EXPECT_FALSE(engine::PhysicsBodyPose(0, &location, &orientation));
}

TEST_F(PhysicsBodiesTest, AStaticMeshIsPlacedWhereTheProgramSays) {
    const EngineHandle slab = CreateSlab(5);
    ASSERT_NE(slab, 0);
    iBodyLocationSet(slab, {0, -50, 0}, -1);
    iBodyEulerOrientationSet(slab, 0, 0, 0, "xyz", -1);
    const EngineHandle ball = iBodySphereCreate(0.5f, 1);
    iBodyLocationSet(ball, {1, -45, 1}, -1);
    iBodyBodyCreate(ball, slab);
    for (int i = 0; i < 120; ++i) {
        iBodyAccelerationApply(ball, {0, -40, 0});
        Frame(0.016f);
    }
    EXPECT_NEAR(iBodyLocation(ball).y, -49.5f, 0.05f);
    ExpectNear(iBodyLocation(slab), {0, -50, 0});
    EXPECT_EQ(iBodyVelocity(slab).y, 0.0f);
}
