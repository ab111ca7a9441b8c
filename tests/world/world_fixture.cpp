// The world test fixture.
#include "tests/world/world_fixture.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/frame_timer.h"
#include "core/saved_files.h"
#include "engine/engine_instance.h"
#include "engine/engine.h"
#include "engine/physics_world.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

void WorldTest::SetUp() {
    folder_ = scratch_.Path().string();
    fs::create_directories(folder_ + "/data");
    fs::create_directories(folder_ + "/sound");
    platform::SetProgramFolder(folder_);
    engine::PhysicsClose();
    iSimulationFrqSet(0.01333f);
    Saved.settings = Settings{};
    FrameScale = 1;
}

void WorldTest::TearDown() {
    iEngineClose();
    engine::PhysicsClose();
    if (window_) platform::DestroyWindow(window_);
}

void WorldTest::WriteFile(const std::string& relative, const std::string& text) {
    const fs::path path = fs::path(folder_) / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void WorldTest::WriteCarFiles() {
    WriteFile("data/car_.spg", "1.0 0.1 0.6 0.45\n1.0 0.1 -0.6 0.45\n-1.0 0.1 0.6 0.45\n-1.0 0.1 -0.6 0.45\n");
    WriteFile("data/wheel_.spg", "0 0 0 0.5\n");
}

void WorldTest::WritePartsModel(const std::string& relative, int parts) {
    std::ostringstream x;
    x << "xof 0303txt 0032\n";
    for (int i = 0; i < parts; ++i) {
        x << "Frame Part" << i << " {\n"
          << "  FrameTransformMatrix { 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;; }\n"
          << "  Mesh Triangle" << i << " {\n"
          << "    3;\n    0.0;0.0;0.0;,\n    1.0;0.0;0.0;,\n    0.0;0.0;1.0;;\n"
          << "    1;\n    3;0,1,2;;\n"
          << "  }\n}\n";
    }
    WriteFile(relative, x.str());
}

void WorldTest::WriteSlabPly(const std::string& relative, float half, float y) {
    std::ostringstream ply;
    ply << "ply\nformat ascii 1.0\nelement vertex 4\nproperty float x\nproperty float y\nproperty float z\n"
        << "element face 2\nproperty list uchar int vertex_indices\nend_header\n"
        << -half << ' ' << y << ' ' << -half << '\n' << half << ' ' << y << ' ' << -half << '\n'
        << half << ' ' << y << ' ' << half << '\n' << -half << ' ' << y << ' ' << half << '\n'
        << "3 0 2 1\n3 0 3 2\n";
    WriteFile(relative, ply.str());
}

void WorldTest::WriteWav(const std::string& relative, float seconds) {
    const uint32_t rate = 22050, dataBytes = static_cast<uint32_t>(seconds * rate) * 2;
    // RIFF header of a mono 16-bit PCM file, little-endian fields.
    const uint32_t fields[] = {36 + dataBytes, 16, 0x00010001, rate, rate * 2, 0x00100002, dataBytes};
    std::string wav = "RIFF";
    auto put = [&wav](uint32_t v) {
        for (int i = 0; i < 4; ++i) wav.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    put(fields[0]);
    wav += "WAVEfmt ";
    for (int i = 1; i < 6; ++i) put(fields[i]);
    wav += "data";
    put(fields[6]);
    wav.append(dataBytes, '\0');
    WriteFile(relative, wav);
}

void WorldTest::OpenEngine() {
    window_ = platform::CreateMainWindow(platform::WindowConfig{});
    ASSERT_NE(window_, nullptr);
    ASSERT_NE(iEngineOpen(window_, 0), 0);
    const int32_t block[6] = {0, 0, 800 * 600 * 32, 0, 0, -1};
    ASSERT_NE(iEngineSettings(block), 0);
}

void WorldTest::StepPhysics(float seconds) { engine::PhysicsFrame(seconds); }

namespace {
engine::Mesh* FindMesh(EngineHandle mesh) {
    engine::Engine* e = engine::Engine::Active();
    return e ? e->meshes.Get(mesh) : nullptr;
}
}  // namespace

bool WorldTest::MeshExists(EngineHandle mesh) { return FindMesh(mesh) != nullptr; }

bool WorldTest::MeshVisible(EngineHandle mesh) {
    const engine::Mesh* found = FindMesh(mesh);
    return found && found->visible;
}

Vec3 WorldTest::MeshLocation(EngineHandle mesh) {
    const engine::Mesh* found = FindMesh(mesh);
    return found ? found->location : Vec3{};
}
