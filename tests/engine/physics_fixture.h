// A fresh physics world in a scratch program folder, with writers for tiny ".ply" and ".spg" files.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/support/scratch_folder.h"

class PhysicsTest : public ::testing::Test {
protected:
    static constexpr float kStep = 0.01333f;

    void SetUp() override;
    void TearDown() override;

    void WriteFile(const std::string& relative, const std::string& text);
    // An axis-aligned box from low to high as a closed ".ply" triangle mesh, faces outward.
    void WriteBoxPly(const std::string& relative, const Vec3& low, const Vec3& high);
    // A slab whose top is at y = 0, reaching half across from the origin in x and z.
    EngineHandle CreateSlab(float half = 50);
    // Runs one frame of the given length: the engine's stepping after the run step.
    int Frame(float seconds);
    // A toy car: chassis of spheres (mass 20) and four wheels of radius 0.5 at the
    // game's wheel places, paired with ground with the game's wheel friction.
    struct Car {
        EngineHandle chassis = 0;
        EngineHandle wheelBodies[4] = {};
        EngineHandle wheels[4] = {};
    };
    Car CreateCar(EngineHandle ground, const Vec3& location, float yawDegrees);
    // The game's gravity on a car, for one run step.
    void ApplyCarGravity(const Car& car);
    // Heading in degrees, 0..360, growing from +x towards +z.
    static float Heading(EngineHandle body);

    test_support::ScratchFolder scratch_{"pd-physics"};
    std::string folder_;
    std::vector<std::string> log_;
};
