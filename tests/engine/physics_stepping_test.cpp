// The fixed simulation step: determinism, freezing, the stall cap and forces that last one run step.
#include <cmath>

#include "engine/physics_world.h"
#include "physics_fixture.h"

namespace {

struct Pose {
    Vec3 location;
    Quaternion orientation;
};

bool Same(const Pose& a, const Pose& b) {
    return a.location.x == b.location.x && a.location.y == b.location.y && a.location.z == b.location.z &&
           a.orientation.x == b.orientation.x && a.orientation.y == b.orientation.y &&
           a.orientation.z == b.orientation.z && a.orientation.w == b.orientation.w;
}

}  // namespace

using PhysicsSteppingTest = PhysicsTest;

TEST_F(PhysicsSteppingTest, SameInputsGiveTheSamePosesAfterManySteps) {
    auto run = [this] {
        engine::PhysicsClose();
        iSimulationFrqSet(kStep);
        const EngineHandle slab = CreateSlab();
        Car car = CreateCar(slab, {0, 1, 0}, 30);
        const EngineHandle ball = iBodySphereCreate(0.7f, 2);
        iBodyLocationSet(ball, {2, 6, 1}, -1);
        iBodyBodyCreate(ball, slab);
        iBodyBodyCreate(ball, car.chassis);
        const float frames[] = {0.008f, 0.016f, 0.033f, 0.011f};
        for (int i = 0; i < 240; ++i) {
            ApplyCarGravity(car);
            iBodyAccelerationApply(ball, {0, -30, 0});
            for (EngineHandle w : {car.wheels[2], car.wheels[3]}) {
                iWheelSpinSet(w, 3000);
                iWheelPowerSet(w, 2000);
                iWheelSteeringAngleSet(w, float(i % 60) - 30);
            }
            Frame(frames[i % 4]);
        }
        std::vector<Pose> poses;
        for (EngineHandle body : {car.chassis, car.wheelBodies[0], car.wheelBodies[3], ball}) {
            poses.push_back({iBodyLocation(body), iBodyOrientation(body)});
        }
        return poses;
    };
    const auto first = run();
    const auto second = run();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) EXPECT_TRUE(Same(first[i], second[i])) << "body " << i;
    EXPECT_GT(std::fabs(first[0].location.x) + std::fabs(first[0].location.z), 1.0f) << "the car drove";
}

TEST_F(PhysicsSteppingTest, StepZeroFreezesAndAStepResumes) {
    const EngineHandle ball = iBodySphereCreate(1, 1);
    iBodyLocationSet(ball, {0, 10, 0}, -1);
    iSimulationFrqSet(0);
    for (int i = 0; i < 20; ++i) {
        iBodyAccelerationApply(ball, {0, -10, 0});
        EXPECT_EQ(Frame(0.05f), 0);
    }
    EXPECT_EQ(iBodyLocation(ball).y, 10.0f);
    EXPECT_EQ(iBodyVelocity(ball).y, 0.0f);

    iSimulationFrqSet(kStep);
    iBodyAccelerationApply(ball, {0, -10, 0});
    EXPECT_EQ(Frame(kStep * 1.5f), 1);
    EXPECT_LT(iBodyLocation(ball).y, 10.0f);
}

TEST_F(PhysicsSteppingTest, AStallRunsAtMostTenStepsAndDropsTheRest) {
    EXPECT_EQ(Frame(2.0f), engine::PhysicsWorld::kMaxStepsPerFrame);
    EXPECT_EQ(Frame(kStep * 0.5f), 0) << "the stalled time is not carried over";
    EXPECT_EQ(Frame(kStep * 0.6f), 1) << "short frames add up to a step";
}

TEST_F(PhysicsSteppingTest, ProgramGravityFallsTheSameAtEveryFrameRate) {
    // Semi-implicit Euler under a constant acceleration g: after n steps of h the
    // fall is g h^2 n (n + 1) / 2, whichever frames the steps came in.
    const float g = 40;
    for (float frame : {0.008f, 0.016f, 0.033f}) {
        engine::PhysicsClose();
        iSimulationFrqSet(kStep);
        const EngineHandle ball = iBodySphereCreate(0.5f, 3);
        int steps = 0;
        while (steps < 75) {
            iBodyAccelerationApply(ball, {0, -g, 0});
            steps += Frame(frame);
        }
        const double h = double(kStep);
        const double fall = g * h * h * steps * (steps + 1) / 2;
        EXPECT_NEAR(-iBodyLocation(ball).y, fall, fall * 1e-4) << "frame " << frame;
        EXPECT_NEAR(-iBodyVelocity(ball).y, g * h * steps, 1e-3) << "frame " << frame;
    }
}

TEST_F(PhysicsSteppingTest, ForcesActOnEveryStepOfTheFrameAndEndWithIt) {
    const EngineHandle ball = iBodySphereCreate(0.5f, 2);
    iBodyForceApply(ball, {4, 0, 0}, {0, 0, 0});
    iBodyForceApply(ball, {4, 0, 0}, {0, 0, 0});  // forces of one run step add up: 8 on mass 2
    ASSERT_EQ(Frame(kStep * 3.2f), 3);
    EXPECT_NEAR(iBodyVelocity(ball).x, 4 * 3 * kStep, 1e-5);

    ASSERT_EQ(Frame(kStep * 3), 3);  // no force given in this run step
    EXPECT_NEAR(iBodyVelocity(ball).x, 4 * 3 * kStep, 1e-5);

    iBodyAccelerationApply(ball, {0, 0, -5});
    ASSERT_EQ(Frame(kStep), 1);
    EXPECT_NEAR(iBodyVelocity(ball).z, -5 * kStep, 1e-5);
}

TEST_F(PhysicsSteppingTest, AForceOffTheCentreTurnsTheBody) {
    const EngineHandle ball = iBodySphereCreate(1, 1);
    iBodyForceApply(ball, {0, 0, 10}, {1, 0, 0});
    Frame(kStep);
    const Vec3 v = iBodyVelocity(ball);
    EXPECT_NEAR(v.z, 10 * kStep, 1e-5);
    Frame(kStep * 5);
    EXPECT_GT(std::fabs(iBodyOrientation(ball).y), 1e-3) << "a push at +x along +z turns it about y";
}

TEST_F(PhysicsSteppingTest, DampingKeepsItsShareOfTheVelocityPerSeventyFifthOfASecond) {
    const EngineHandle ball = iBodySphereCreate(1, 1);
    iBodyAccelerationApply(ball, {10 / kStep, 0, 0});
    Frame(kStep);
    const float start = iBodyVelocity(ball).x;
    iBodyDampingSet(ball, 0, 0.9f, 0, 0.9f);
    for (int i = 0; i < 10; ++i) Frame(kStep);
    EXPECT_NEAR(iBodyVelocity(ball).x, start * std::pow(std::pow(0.9, kStep * 75.0), 10), 1e-3);

    iBodyPhysicsReset(ball);
    EXPECT_EQ(iBodyVelocity(ball).x, 0.0f);
}
