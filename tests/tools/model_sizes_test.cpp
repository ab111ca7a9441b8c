// The cars, wheels and pickups at the size the game draws them: the car's
// spheres cover its body and stay above the wheels' reach, the wheel turns about
// its x axis with radius 0.5, and each pickup reads at 4 to 6 world units.
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include "formats/sphere_group_file.h"
#include "generated_data.h"

namespace assetgen_test {
namespace {

struct Box {
    aiVector3D min{1e9f, 1e9f, 1e9f}, max{-1e9f, -1e9f, -1e9f};
    aiVector3D Size() const { return max - min; }
};

Box BoundsOf(const std::string& path, float scale, int* parts = nullptr) {
    Assimp::Importer importer;
    const assetgen::Bytes bytes = ReadBytes(GeneratedRoot() / path);
    const aiScene* scene = ImportModel(importer, bytes);
    Box box;
    if (!scene) return box;
    if (parts) *parts = static_cast<int>(scene->mNumMeshes);
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        for (unsigned v = 0; v < scene->mMeshes[m]->mNumVertices; ++v) {
            const aiVector3D p = scene->mMeshes[m]->mVertices[v] * scale;
            box.min = aiVector3D(std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z));
            box.max = aiVector3D(std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z));
        }
    }
    return box;
}

formats::SphereGroup Spheres(const std::string& path) {
    const assetgen::Bytes bytes = ReadBytes(GeneratedRoot() / path);
    std::string error;
    const auto group = formats::ReadSphereGroup(std::string(bytes.begin(), bytes.end()), &error);
    EXPECT_TRUE(group.has_value()) << path << ": " << error;
    return group.value_or(formats::SphereGroup{});
}

TEST(CarModels, EveryColourIsACarOfTheSameShape) {
    const Box first = BoundsOf("data/CarBlack.x", 0.1f);
    EXPECT_NEAR(first.Size().x, 3.56, 0.2);  // about 3.4 long with bumpers
    EXPECT_NEAR(first.Size().z, 2.1, 0.35);  // body; the wheels make 2.4
    for (const char* colour : {"Blue", "Green", "Red", "Yellow"}) {
        int parts = 0;
        const Box box = BoundsOf(std::string("data/Car") + colour + ".x", 0.1f, &parts);
        EXPECT_EQ(parts, 3) << colour;
        EXPECT_NEAR(box.Size().x, first.Size().x, 1e-3) << colour;
        EXPECT_NEAR(box.max.y, first.max.y, 1e-3) << colour;
    }
}

TEST(CarModels, SpheresCoverTheBodyAndClearTheGround) {
    const formats::SphereGroup chassis = Spheres("data/Car_.spg");
    ASSERT_GE(chassis.spheres.size(), 4u);
    Box covered;
    for (const auto& s : chassis.spheres) {
        covered.min = aiVector3D(std::min(covered.min.x, s.x - s.radius), std::min(covered.min.y, s.y - s.radius),
                                 std::min(covered.min.z, s.z - s.radius));
        covered.max = aiVector3D(std::max(covered.max.x, s.x + s.radius), std::max(covered.max.y, s.y + s.radius),
                                 std::max(covered.max.z, s.z + s.radius));
    }
    const Box body = BoundsOf("data/CarRed.x", 0.1f);
    EXPECT_NEAR(covered.min.x, body.min.x, 0.2);
    EXPECT_NEAR(covered.max.x, body.max.x, 0.2);
    // Wheels at y = -0.3 with radius 0.5 touch the table 0.8 below the chassis
    // origin; the body's spheres must stay above that.
    EXPECT_GT(covered.min.y, -0.8 + 0.1);
    const formats::SphereGroup wheel = Spheres("data/wheel_.spg");
    ASSERT_EQ(wheel.spheres.size(), 1u);
    EXPECT_FLOAT_EQ(wheel.spheres[0].radius, 0.5f);
}

TEST(CarModels, WheelTurnsAboutItsXAxis) {
    const Box wheel = BoundsOf("data/wheel.x", 0.1f);
    EXPECT_NEAR(wheel.Size().y, 1.0, 0.01);  // radius 0.5
    EXPECT_NEAR(wheel.Size().z, 1.0, 0.01);
    EXPECT_LT(wheel.Size().x, 0.6);  // the axle: narrow across
    const Box shadow = BoundsOf("data/wheel_shadow.x", 1.0f);  // not scaled by the program
    EXPECT_NEAR(shadow.Size().y, 1.0, 0.01);
}

TEST(PickupModels, EachReadsAtFourToSixUnitsAtItsMeshScale) {
    const struct {
        const char* name;
        float scale;
    } kinds[] = {{"P50", 0.1f}, {"P100", 0.1f}, {"Life", 0.4f}, {"Strelki", 0.1f}, {"Action", 0.8f}};
    for (const auto& kind : kinds) {
        const Box box = BoundsOf(std::string("data/") + kind.name + ".x", kind.scale);
        const float largest = std::max({box.Size().x, box.Size().y, box.Size().z});
        EXPECT_GE(largest, 4.0f) << kind.name;
        EXPECT_LE(largest, 6.0f) << kind.name;
        // Centred on the body, whose centre stands 3 above the table: nothing below it.
        EXPECT_GT(box.min.y, -3.0f) << kind.name;
        const Box shadow = BoundsOf(std::string("data/") + kind.name + "_shadow.x", 0.1f);
        EXPECT_NEAR(shadow.Size().x, box.Size().x, 0.01) << kind.name;
    }
}

}  // namespace
}  // namespace assetgen_test
