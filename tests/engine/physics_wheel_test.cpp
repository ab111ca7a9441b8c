// Wheels: hinge2 joints that carry a car on a slab, driven by spin and power, steered by angle.
#include <cmath>

#include "engine/physics_world.h"
#include "physics_fixture.h"

class PhysicsWheelTest : public PhysicsTest {
protected:
    // Runs the car for the given seconds at 16 ms frames with its front wheels driven.
    void Drive(const Car& car, float spin, float steering, float seconds, float power = 2000) {
        for (float t = 0; t < seconds; t += 0.016f) {
            ApplyCarGravity(car);
            for (int w = 0; w < 4; ++w) {
                const bool front = w >= 2;
                iWheelSpinSet(car.wheels[w], front ? spin : 0);
                iWheelPowerSet(car.wheels[w], front ? power : 0);
                iWheelSteeringAngleSet(car.wheels[w], front ? steering : 0);
            }
            Frame(0.016f);
        }
    }
};

TEST_F(PhysicsWheelTest, ACarSettlesOnItsWheelsAndStaysPut) {
    const EngineHandle slab = CreateSlab();
    const Car car = CreateCar(slab, {0, 1, 0}, 0);
    for (EngineHandle w : car.wheels) ASSERT_NE(w, 0);
    Drive(car, 0, 0, 2);
    const Vec3 at = iBodyLocation(car.chassis);
    EXPECT_NEAR(at.x, 0, 0.05f);
    EXPECT_NEAR(at.z, 0, 0.05f);
    EXPECT_GT(at.y, 0.5f) << "held up by the wheels";
    EXPECT_LT(at.y, 1.0f) << "the springs give under the car's weight";
    for (EngineHandle body : car.wheelBodies) EXPECT_NEAR(iBodyLocation(body).y, 0.5f, 0.05f);
    const Vec3 up = iVectorRotate({0, 1, 0}, iBodyOrientation(car.chassis));
    EXPECT_GT(up.y, 0.99f);
}

TEST_F(PhysicsWheelTest, PositiveSpinDrivesTheCarForwardAtAboutTheWheelsRimSpeed) {
    const EngineHandle slab = CreateSlab(400);
    const Car car = CreateCar(slab, {0, 0.9f, 0}, 0);
    Drive(car, 0, 0, 0.5f);
    Drive(car, 2000, 0, 4);
    const Vec3 v = iBodyVelocity(car.chassis);
    // The motor turns the wheel at 0.8 of the spin it is given.
    const float rim = 0.8f * 2000 * 3.14159265f / 180 * 0.5f;
    EXPECT_NEAR(v.x, rim, rim * 0.15f);
    EXPECT_NEAR(v.z, 0, 1.0f);
    EXPECT_GT(iBodyLocation(car.chassis).x, 20.0f);

    Drive(car, -2000, 0, 6);
    EXPECT_LT(iBodyVelocity(car.chassis).x, -rim * 0.8f) << "negative spin reverses";
}

TEST_F(PhysicsWheelTest, WithoutPowerTheMotorDoesNotDrive) {
    const EngineHandle slab = CreateSlab();
    const Car car = CreateCar(slab, {0, 0.9f, 0}, 0);
    Drive(car, 5000, 0, 2, 0);
    EXPECT_NEAR(iBodyLocation(car.chassis).x, 0, 0.1f);
}

TEST_F(PhysicsWheelTest, PositiveSteeringTurnsTowardsALargerHeading) {
    for (float steering : {20.0f, -20.0f}) {
        engine::PhysicsClose();
        iSimulationFrqSet(kStep);
        const EngineHandle slab = CreateSlab(400);
        const Car car = CreateCar(slab, {0, 0.9f, 0}, 0);
        Drive(car, 0, 0, 0.5f);
        Drive(car, 1500, steering, 1.5f);
        const float heading = Heading(car.chassis);
        if (steering > 0) {
            EXPECT_GT(heading, 20.0f);
            EXPECT_LT(heading, 180.0f);
            EXPECT_GT(iBodyLocation(car.chassis).z, 1.0f) << "it went left, towards +z";
        } else {
            EXPECT_LT(heading, 340.0f);
            EXPECT_GT(heading, 180.0f);
        }
    }
}

TEST_F(PhysicsWheelTest, FacingMinusZTheCarDrivesAlongMinusZ) {
    const EngineHandle slab = CreateSlab(400);
    const Car car = CreateCar(slab, {0, 0.9f, 0}, 90);
    Drive(car, 0, 0, 0.5f);
    Drive(car, 1500, 0, 2);
    EXPECT_LT(iBodyLocation(car.chassis).z, -10.0f);
    EXPECT_NEAR(iBodyLocation(car.chassis).x, 0, 1.0f);
}

TEST_F(PhysicsWheelTest, PlacingTheChassisCarriesItsWheelsAndAWheelReturnsToItsPlace) {
    const EngineHandle slab = CreateSlab();
    const Car car = CreateCar(slab, {0, 1, 0}, 0);
    Drive(car, 1000, 10, 1);
    // The car's reset: stop, turn, move the chassis, then every wheel to the same point.
    for (EngineHandle body : car.wheelBodies) iBodyPhysicsReset(body);
    iBodyPhysicsReset(car.chassis);
    iBodyEulerOrientationSet(car.chassis, 0, 270, 0, "xyz", -1);
    iBodyLocationSet(car.chassis, {30, 1, 30}, -1);
    for (EngineHandle body : car.wheelBodies) iBodyLocationSet(body, {30, 1, 30}, -1);
    // Wheel 3 sits at car-local (1.3, -0.3, -0.9); facing +z, local +x is world +z
    // and local +z is world -x.
    const Vec3 w3 = iBodyLocation(car.wheelBodies[2]);
    EXPECT_NEAR(w3.x, 30.9f, 1e-3);
    EXPECT_NEAR(w3.y, 0.7f, 1e-3);
    EXPECT_NEAR(w3.z, 31.3f, 1e-3);
    Drive(car, 0, 0, 1);
    const Vec3 at = iBodyLocation(car.chassis);
    EXPECT_NEAR(at.x, 30, 0.2f);
    EXPECT_NEAR(at.z, 30, 0.2f);
    EXPECT_NEAR(Heading(car.chassis), 90, 2);

    iBodyLocationSet(car.wheelBodies[0], {0, 0, 0}, 0);
    EXPECT_NEAR(iBodyLocation(car.wheelBodies[0]).x, 0, 1e-4) << "without the flag only the body moves";
}

TEST_F(PhysicsWheelTest, AWheelEndsWithItsBodies) {
    const EngineHandle slab = CreateSlab();
    const Car car = CreateCar(slab, {0, 1, 0}, 0);
    EXPECT_EQ(iWheelCreate(car.chassis, car.wheelBodies[0], {0, 0, 0}, {}), 0) << "already hung";
    EXPECT_EQ(iWheelCreate(car.chassis, slab, {0, 0, 0}, {}), 0) << "a static body is no wheel";
    iBodyDestroy(car.wheelBodies[1]);
    iWheelSpinSet(car.wheels[1], 1000);
    iBodyDestroy(car.chassis);
    for (EngineHandle w : car.wheels) iWheelPowerSet(w, 100);
    Frame(0.1f);
    EXPECT_EQ(iBodyVelocity(car.wheelBodies[0]).y, 0.0f) << "a loose wheel without forces stays still";
}

TEST_F(PhysicsWheelTest, FullLockAtTopSpeedKeepsTheCarOnItsWheels) {
    const EngineHandle slab = CreateSlab(2000);
    const Car car = CreateCar(slab, {0, 0.9f, 0}, 0);
    Drive(car, 0, 0, 0.5f);
    Drive(car, 7000, 0, 4);
    EXPECT_GT(iBodyVelocity(car.chassis).x, 33.0f) << "top speed (about 36) within a few seconds";
    float lowestUp = 1;
    for (int i = 0; i < 40; ++i) {
        Drive(car, 7000, 30, 0.05f);
        lowestUp = std::fmin(lowestUp, iVectorRotate({0, 1, 0}, iBodyOrientation(car.chassis)).y);
    }
    EXPECT_GT(lowestUp, 0.8f);
}
