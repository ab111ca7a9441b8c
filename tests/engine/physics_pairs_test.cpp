// Body pairs: only paired bodies touch; sensors, feedback and its reset; restitution.
#include <cmath>

#include "physics_fixture.h"

namespace {

constexpr Vec3 kFall{0, -40, 0};

}  // namespace

class PhysicsPairsTest : public PhysicsTest {
protected:
    // Drops the ball from y = 4 onto the slab for the given seconds, under program gravity.
    void Drop(EngineHandle ball, float seconds) {
        for (float t = 0; t < seconds; t += 0.016f) {
            iBodyAccelerationApply(ball, kFall);
            Frame(0.016f);
        }
    }
    EngineHandle Ball() {
        const EngineHandle ball = iBodySphereCreate(0.5f, 1);
        iBodyLocationSet(ball, {0, 4, 0}, -1);
        return ball;
    }
};

TEST_F(PhysicsPairsTest, UnpairedBodiesPassThroughAndPairedOnesCollide) {
    const EngineHandle slab = CreateSlab();
    const EngineHandle ghost = Ball();
    const EngineHandle solid = Ball();
    iBodyLocationSet(solid, {3, 4, 0}, -1);
    iBodyBodyCreate(slab, solid);
    for (int i = 0; i < 90; ++i) {
        iBodyAccelerationApply(solid, kFall);
        iBodyAccelerationApply(ghost, kFall);
        Frame(0.016f);
    }
    EXPECT_LT(iBodyLocation(ghost).y, -10.0f);
    EXPECT_NEAR(iBodyLocation(solid).y, 0.5f, 0.05f) << "rests on the slab's top";
    EXPECT_NEAR(iBodyVelocity(solid).y, 0.0f, 0.2f);
}

TEST_F(PhysicsPairsTest, TwoDynamicBodiesTouchOnlyWhenPaired) {
    const EngineHandle a = iBodySphereCreate(1, 1), b = iBodySphereCreate(1, 1), c = iBodySphereCreate(1, 1);
    iBodyLocationSet(a, {-3, 0, 0}, -1);
    iBodyLocationSet(b, {3, 0, 0}, -1);
    iBodyLocationSet(c, {3, 0, 3}, -1);
    iBodyBodyCreate(b, a);
    for (int i = 0; i < 60; ++i) {
        iBodyAccelerationApply(a, {20, 0, 0});
        iBodyAccelerationApply(c, {0, 0, -20});
        Frame(0.016f);
    }
    EXPECT_LT(iBodyLocation(a).x + 1.9f, iBodyLocation(b).x) << "a pushes b instead of passing";
    EXPECT_GT(iBodyVelocity(b).x, 1.0f);
    EXPECT_LT(iBodyLocation(c).z, -5.0f) << "c went straight through b";
}

TEST_F(PhysicsPairsTest, ASensorPairReportsTheTouchWithoutResponse) {
    const EngineHandle slab = CreateSlab();
    const EngineHandle ball = Ball();
    const EngineHandle pair = iBodyBodyCreate(ball, slab);
    iBodyBodyCollisionResponseEnable(pair, 0);
    iBodyBodyFeedbackEnable(pair, -1, -1, -1);
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0);
    Drop(ball, 1.0f);
    EXPECT_LT(iBodyLocation(ball).y, -3.0f) << "fell through";
    float y = 99, ny = 0;
    EXPECT_NE(iBodyBodyFeedback(pair, 0, -1, nullptr, &y, nullptr, nullptr, &ny, nullptr), 0);
    EXPECT_LE(y, 0.5f);
    EXPECT_NEAR(std::fabs(ny), 1.0f, 0.01f);
    EXPECT_NE(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0) << "peeking kept it";
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0) << "the query cleared it";
}

TEST_F(PhysicsPairsTest, FeedbackCountsTouchesSinceThePreviousQuery) {
    const EngineHandle slab = CreateSlab();
    const EngineHandle ball = Ball();
    const EngineHandle pair = iBodyBodyCreate(ball, slab);
    Drop(ball, 1.0f);
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0) << "feedback is off";
    iBodyBodyFeedbackEnable(pair, -1, -1, -1);
    Drop(ball, 0.1f);
    EXPECT_NE(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0) << "resting on it touches every step";
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0) << "no step since the query";
    iBodyLocationSet(ball, {0, 20, 0}, -1);
    iBodyPhysicsReset(ball);
    Frame(0.016f);
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0) << "lifted away";
    iBodyDisable(ball);
    iBodyLocationSet(ball, {0, 0.3f, 0}, -1);
    Frame(0.05f);
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0) << "a disabled body touches nothing";
    iBodyEnable(ball);
    Frame(0.016f);
    EXPECT_NE(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0);
}

TEST_F(PhysicsPairsTest, AKinematicSphereStaysWhereTheProgramPutsIt) {
    const EngineHandle pickup = iBodySphereCreate(3, 0);
    const EngineHandle car = iBodySphereCreate(1, 20);
    iBodyLocationSet(pickup, {10, 3, 0}, -1);
    const EngineHandle pair = iBodyBodyCreate(pickup, car);
    iBodyBodyCollisionResponseEnable(pair, 0);
    iBodyBodyFeedbackEnable(pair, -1, -1, -1);
    iBodyLocationSet(car, {0, 3, 0}, -1);
    for (int i = 0; i < 60; ++i) {
        iBodyAccelerationApply(pickup, {0, -40, 0});
        iBodyForceApply(car, {2000, 0, 0}, {0, 0, 0});
        Frame(0.016f);
    }
    EXPECT_EQ(iBodyLocation(pickup).y, 3.0f);
    EXPECT_EQ(iBodyLocation(pickup).x, 10.0f);
    EXPECT_GT(iBodyLocation(car).x, 20.0f) << "drove through the pickup";
    EXPECT_NE(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0) << "and took it";
}

TEST_F(PhysicsPairsTest, RestitutionBouncesAndZeroDoesNot) {
    const EngineHandle slab = CreateSlab();
    const EngineHandle bouncy = Ball(), dull = Ball();
    iBodyLocationSet(bouncy, {5, 4, 0}, -1);
    iBodyBodyRestitutionSet(iBodyBodyCreate(bouncy, slab), 0.9f);
    iBodyBodyRestitutionSet(iBodyBodyCreate(dull, slab), 0);
    float highestAfterImpact[2] = {-1, -1};
    bool landed[2] = {false, false};
    for (int i = 0; i < 120; ++i) {
        const EngineHandle balls[2] = {bouncy, dull};
        for (int b = 0; b < 2; ++b) {
            iBodyAccelerationApply(balls[b], kFall);
            const float y = iBodyLocation(balls[b]).y;
            if (y < 0.6f) landed[b] = true;
            if (landed[b]) highestAfterImpact[b] = std::max(highestAfterImpact[b], y);
        }
        Frame(0.008f);
    }
    EXPECT_GT(highestAfterImpact[0], 2.0f);
    EXPECT_LT(highestAfterImpact[1], 0.7f);
}

TEST_F(PhysicsPairsTest, APairIsOneForTwoBodiesAndEndsWithEither) {
    const EngineHandle a = iBodySphereCreate(1, 1), b = iBodySphereCreate(1, 1);
    const EngineHandle pair = iBodyBodyCreate(a, b);
    EXPECT_NE(pair, 0);
    EXPECT_EQ(iBodyBodyCreate(b, a), pair);
    EXPECT_EQ(iBodyBodyCreate(a, a), 0);
    EXPECT_EQ(iBodyBodyCreate(a, 0), 0);
    iBodyBodyFeedbackEnable(pair, -1, -1, -1);
    iBodyDestroy(b);
    iBodyBodyFrictionSet(pair, 10);
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0), 0);
    const EngineHandle c = iBodySphereCreate(1, 1);
    const EngineHandle again = iBodyBodyCreate(a, c);
    EXPECT_NE(again, pair) << "a stale pair handle never names a new pair";
    iBodyBodyDestroy(again);
    iBodyBodyDestroy(again);
    EXPECT_NE(iBodyBodyCreate(a, c), 0);
}

// A wall hit head-on by a ball at a car's top speed and more (53 units a second,
// 0.7 a step against a radius of 0.5): the wall sends it back out in front, it
// never ends inside or behind.
TEST_F(PhysicsPairsTest, AFastBallDoesNotTunnelIntoAWall) {
    WriteBoxPly("data/wall.ply", {5, -5, -5}, {7, 5, 5});
    const EngineHandle wall = iBodyCreate("data\\Wall.ply");
    const EngineHandle ball = iBodySphereCreate(0.5f, 1);
    ASSERT_NE(wall, 0);
    ASSERT_NE(ball, 0);
    iBodyBodyCreate(ball, wall);
    float furthest = 0;
    for (int frame = 0; frame < 30; ++frame) {
        if (frame < 2) iBodyAccelerationApply(ball, {2000, 0, 0});
        Frame(kStep);
        furthest = std::fmax(furthest, iBodyLocation(ball).x);
    }
    EXPECT_GT(furthest, 4.5f) << "it reached the wall";
    EXPECT_LT(furthest, 5.0f) << "its centre went into the wall";
    EXPECT_LT(iBodyLocation(ball).x, 4.6f) << "it is sent back out in front";
}

// Two cars that drive into each other push only across the table: neither climbs
// onto the other or leaves the ground, and each stays on its wheels.
TEST_F(PhysicsPairsTest, CarsThatMeetPushEachOtherOnlySideways) {
    const EngineHandle slab = CreateSlab(200);
    const Car left = CreateCar(slab, {-6, 0.9f, 0.4f}, 0);
    const Car right = CreateCar(slab, {6, 0.9f, -0.4f}, 180);
    const EngineHandle pair = iBodyBodyCreate(left.chassis, right.chassis);
    iBodyBodyFeedbackEnable(pair, -1, -1, -1);
    bool met = false;
    float highest = -100, lowestUp = 1;
    for (int frame = 0; frame < 300; ++frame) {
        for (const Car* car : {&left, &right}) {
            ApplyCarGravity(*car);
            for (int w = 2; w < 4; ++w) {
                iWheelSpinSet(car->wheels[w], 3000);
                iWheelPowerSet(car->wheels[w], 1600);
            }
        }
        Frame(kStep);
        met = met || iBodyBodyFeedback(pair, -1, -1, 0, 0, 0, 0, 0, 0) != 0;
        for (const Car* car : {&left, &right}) {
            highest = std::fmax(highest, iBodyLocation(car->chassis).y);
            lowestUp = std::fmin(lowestUp, iVectorRotate({0, 1, 0}, iBodyOrientation(car->chassis)).y);
        }
    }
    EXPECT_TRUE(met);
    EXPECT_LT(highest, 1.0f) << "a car was lifted";
    EXPECT_GT(lowestUp, 0.9f) << "a car was tipped";
}

// A car driven into the side of a standing one off its middle (a T-bone in the pack):
// the standing car is shoved away without being turned, so its driver does not spin.
TEST_F(PhysicsPairsTest, AKnockBetweenCarsShovesTheStruckCarWithoutTurningIt) {
    const EngineHandle slab = CreateSlab(200);
    const Car striker = CreateCar(slab, {-12, 0.9f, 0}, 0);
    const Car struck = CreateCar(slab, {0, 0.9f, 1.2f}, 90);
    iBodyBodyCreate(striker.chassis, struck.chassis);
    const Vec3 start = iBodyLocation(struck.chassis);
    const float heading = Heading(struck.chassis);
    float turned = 0;
    for (int frame = 0; frame < 200; ++frame) {
        for (const Car* car : {&striker, &struck}) ApplyCarGravity(*car);
        for (int w = 2; w < 4; ++w) {
            iWheelSpinSet(striker.wheels[w], 5000);
            iWheelPowerSet(striker.wheels[w], 1600);
        }
        Frame(kStep);
        const float off = std::fabs(Heading(struck.chassis) - heading);
        turned = std::fmax(turned, std::fmin(off, 360 - off));
    }
    const Vec3 end = iBodyLocation(struck.chassis);
    EXPECT_GT(std::hypot(end.x - start.x, end.z - start.z), 2.0f) << "the struck car was not shoved";
    EXPECT_LT(turned, 1.0f);
}

// A car driven nose-first into a barrier with its front wheels turned (what a
// computer driver does after overshooting a bend) slides its nose along the
// barrier and gets away, instead of standing against it for good.
TEST_F(PhysicsPairsTest, ACarPressedIntoABarrierWithItsWheelsTurnedGetsAwayAlongIt) {
    WriteBoxPly("data/barrier.ply", {6, -1, -60}, {8, 3, 60});
    const EngineHandle barrier = iBodyCreate("data\\barrier.ply");
    const EngineHandle slab = CreateSlab(200);
    const Car car = CreateCar(slab, {4.2f, 0.9f, 0}, 0);  // its nose at the barrier
    iBodyBodyCreate(car.chassis, barrier);
    float nearest = 100;
    for (int frame = 0; frame < 600; ++frame) {
        ApplyCarGravity(car);
        for (int w = 0; w < 4; ++w) {
            const bool front = w >= 2;
            iWheelSpinSet(car.wheels[w], front ? 2000 : 0);
            iWheelPowerSet(car.wheels[w], front ? 1600 : 0);
            iWheelSteeringAngleSet(car.wheels[w], front ? -30 : 0);
        }
        Frame(kStep);
        nearest = std::fmin(nearest, 6 - iBodyLocation(car.chassis).x);
    }
    EXPECT_LT(nearest, 2.5f) << "it reached the barrier";
    const Vec3 at = iBodyLocation(car.chassis);
    EXPECT_LT(at.x, 6.0f) << "it stayed in front of the barrier";
    EXPECT_LT(at.z, -5.0f) << "it got away along the barrier";
}

// A car rolling into a barrier bounces back off it; one that creeps into it only stops.
TEST_F(PhysicsPairsTest, ACarKnockedIntoABarrierBouncesOff) {
    WriteBoxPly("data/barrier.ply", {6, -1, -60}, {8, 3, 60});
    const EngineHandle barrier = iBodyCreate("data\\barrier.ply");
    const EngineHandle slab = CreateSlab(200);
    for (const float spin : {2500.0f, 200.0f}) {
        const bool fast = spin > 1000;
        const Car car = CreateCar(slab, {fast ? -30.0f : 0.0f, 0.9f, 0}, 0);
        iBodyBodyCreate(car.chassis, barrier);
        float backwards = 0, fastest = 0;
        for (int frame = 0; frame < 1200; ++frame) {
            // Driven up to the last few units before the barrier, then left to roll.
            const bool driven = !fast || iBodyLocation(car.chassis).x < 0;
            ApplyCarGravity(car);
            for (int w = 2; w < 4; ++w) {
                iWheelSpinSet(car.wheels[w], driven ? spin : 0);
                iWheelPowerSet(car.wheels[w], driven ? 1600 : 0);
            }
            Frame(kStep);
            fastest = std::fmax(fastest, iBodyVelocity(car.chassis).x);
            backwards = std::fmin(backwards, iBodyVelocity(car.chassis).x);
        }
        if (fast) {
            EXPECT_GT(fastest, 15.0f);
            EXPECT_LT(backwards, -5.0f) << "it bounced back";
        } else {
            EXPECT_LT(iBodyLocation(car.chassis).x, 6.0f);
            EXPECT_GT(iBodyLocation(car.chassis).x, 3.0f) << "it rolled up to the barrier";
            EXPECT_GT(backwards, -0.5f) << "a slow touch does not bounce";
        }
        iBodyDisable(car.chassis);
        for (EngineHandle wheel : car.wheelBodies) iBodyDisable(wheel);
    }
}
