// The physics test fixture.
#include "physics_fixture.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/engine_log.h"
#include "engine/physics_world.h"
#include "platform/platform.h"

void PhysicsTest::SetUp() {
    folder_ = scratch_.Path().string();
    std::filesystem::create_directories(folder_ + "/data");
    platform::SetProgramFolder(folder_);
    engine::PhysicsClose();
    engine::EngineLog::SetObserver([this](const char* line) { log_.push_back(line); });
    iSimulationFrqSet(kStep);
}

void PhysicsTest::TearDown() {
    engine::PhysicsClose();
    engine::EngineLog::SetObserver(nullptr);
}

void PhysicsTest::WriteFile(const std::string& relative, const std::string& text) {
    const std::filesystem::path path = folder_ + "/" + relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void PhysicsTest::WriteBoxPly(const std::string& relative, const Vec3& low, const Vec3& high) {
    const Vec3 corners[8] = {{low.x, low.y, low.z},  {high.x, low.y, low.z},  {high.x, high.y, low.z},
                             {low.x, high.y, low.z}, {low.x, low.y, high.z},  {high.x, low.y, high.z},
                             {high.x, high.y, high.z}, {low.x, high.y, high.z}};
    const int quads[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {3, 2, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}};
    const Vec3 centre{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
    std::ostringstream faces;
    for (const auto& q : quads) {
        const int triangles[2][3] = {{q[0], q[1], q[2]}, {q[0], q[2], q[3]}};
        for (const auto& t : triangles) {
            int a = t[0], b = t[1], c = t[2];
            const Vec3 &pa = corners[a], &pb = corners[b], &pc = corners[c];
            const Vec3 u{pb.x - pa.x, pb.y - pa.y, pb.z - pa.z}, v{pc.x - pa.x, pc.y - pa.y, pc.z - pa.z};
            const Vec3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
            const Vec3 out{pa.x - centre.x, pa.y - centre.y, pa.z - centre.z};
            if (n.x * out.x + n.y * out.y + n.z * out.z < 0) std::swap(b, c);
            faces << "3 " << a << ' ' << b << ' ' << c << '\n';
        }
    }
    std::ostringstream ply;
    ply << "ply\nformat ascii 1.0\nelement vertex 8\nproperty float x\nproperty float y\nproperty float z\n"
        << "element face 12\nproperty list uchar int vertex_indices\nend_header\n";
    for (const Vec3& c : corners) ply << c.x << ' ' << c.y << ' ' << c.z << '\n';
    ply << faces.str();
    WriteFile(relative, ply.str());
}

EngineHandle PhysicsTest::CreateSlab(float half) {
    WriteBoxPly("data/slab.ply", {-half, -2, -half}, {half, 0, half});
    return iBodyCreate("data\\Slab.ply");
}

int PhysicsTest::Frame(float seconds) { return engine::PhysicsWorld::Current().Advance(seconds); }

PhysicsTest::Car PhysicsTest::CreateCar(EngineHandle ground, const Vec3& location, float yawDegrees) {
    WriteFile("data/car_.spg", "# chassis\n1.0 0.1 0.6 0.45\n1.0 0.1 -0.6 0.45\n-1.0 0.1 0.6 0.45\n-1.0 0.1 -0.6 0.45\n");
    WriteFile("data/wheel_.spg", "0 0 0 0.5\n");
    const Vec3 places[4] = {{-1.3f, -0.3f, 1.0f}, {-1.3f, -0.3f, -1.0f}, {1.3f, -0.3f, -0.9f}, {1.3f, -0.3f, 0.9f}};
    Car car;
    car.chassis = iBodySGCreate("data\\Car_.spg", 20.0f);
    iBodyDampingSet(car.chassis, 0, 0.999f, 0, 0.97f);
    iBodyEulerOrientationSet(car.chassis, 0, yawDegrees, 0, "xyz", -1);
    iBodyLocationSet(car.chassis, location, -1);
    iBodyBodyCreate(car.chassis, ground);
    const Quaternion mounting = iQuaternionFromAxisAngle({0, 1, 0}, -90);
    for (int w = 0; w < 4; ++w) {
        car.wheelBodies[w] = iBodySGCreate("data\\wheel_.spg", 0.02f);
        car.wheels[w] = iWheelCreate(car.chassis, car.wheelBodies[w], places[w], mounting);
        iWheelSuspensionSet(car.wheels[w], 1000, 100);
        const EngineHandle pair = iBodyBodyCreate(car.wheelBodies[w], ground);
        iBodyBodySplitFrictionSet(pair, 70, 0, 40, 0);
        iBodyBodyFrictionSet(pair, 180);
    }
    return car;
}

void PhysicsTest::ApplyCarGravity(const Car& car) {
    iBodyForceApply(car.chassis, {0, -784.532f, 0}, {0, 0, 0});
    for (EngineHandle wheel : car.wheelBodies) iBodyAccelerationApply(wheel, {0, -784.532f, 0});
}

float PhysicsTest::Heading(EngineHandle body) {
    const Vec3 f = iVectorRotate({1, 0, 0}, iBodyOrientation(body));
    float degrees = std::atan2(f.z, f.x) * 180.0f / 3.14159265f;
    return degrees < 0 ? degrees + 360 : degrees;
}
