// A scratch program folder with a fresh physics world, tiny data files, and an engine opened on demand.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "tests/support/scratch_folder.h"

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file below the program folder ("data/x.spg"); folders are made.
    void WriteFile(const std::string& relative, const std::string& text);
    // "data/car_.spg" and "data/wheel_.spg": a chassis of four spheres and a wheel of radius 0.5.
    void WriteCarFiles();
    // A ".x" model of `parts` separate one-triangle meshes.
    void WritePartsModel(const std::string& relative, int parts);
    // A flat square ".ply" of two triangles at height y, reaching half each way.
    void WriteSlabPly(const std::string& relative, float half, float y);
    // A mono 16-bit WAV of silence, `seconds` long.
    void WriteWav(const std::string& relative, float seconds);

    // Opens the engine on a hidden 800 x 600 window (meshes and sounds need it).
    void OpenEngine();
    // Runs the physics for one frame of `seconds` (the engine's own frame step).
    static void StepPhysics(float seconds);

    // What the engine holds for a mesh (shadow casters are meshes too).
    static bool MeshExists(EngineHandle mesh);
    static bool MeshVisible(EngineHandle mesh);
    static Vec3 MeshLocation(EngineHandle mesh);

    test_support::ScratchFolder scratch_{"pd-world"};
    std::string folder_;
    platform::WindowHandle window_ = nullptr;
};
