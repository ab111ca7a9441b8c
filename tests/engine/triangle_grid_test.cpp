// TriangleGrid: which boxes come near a placed mesh's triangles.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/triangle_grid.h"

namespace {

using engine::Box;
using engine::CollisionMesh;
using engine::TriangleGrid;

const dReal kIdentity[12] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};
const dReal kNowhere[3] = {0, 0, 0};

void AddTriangle(CollisionMesh& mesh, std::initializer_list<double> corners) {
    const dTriIndex base = dTriIndex(mesh.vertices.size() / 3);
    mesh.vertices.insert(mesh.vertices.end(), corners);
    for (dTriIndex k = 0; k < 3; ++k) mesh.indices.push_back(base + k);
}

// A box of half size h around (x, y, z).
Box Around(double x, double y, double z, double h) { return {x - h, x + h, y - h, y + h, z - h, z + h}; }

}  // namespace

TEST(TriangleGrid, ABoxIsNearATriangleOnlyWithinTheMargin) {
    CollisionMesh mesh;
    AddTriangle(mesh, {0, 0, 0, 10, 0, 0, 0, 0, 10});  // in the floor, its long side from (10, 0) to (0, 10)
    const TriangleGrid grid(mesh, kNowhere, kIdentity);
    EXPECT_TRUE(grid.Near(Around(2, 0.5, 2, 0.5)));
    EXPECT_TRUE(grid.Near(Around(2, 0.5 + TriangleGrid::kMargin / 2, 2, 0.5))) << "within the margin above";
    EXPECT_FALSE(grid.Near(Around(2, 0.5 + 2 * TriangleGrid::kMargin, 2, 0.5)));
    EXPECT_FALSE(grid.Near(Around(-5, 0, 2, 1))) << "beside the mesh";
    EXPECT_FALSE(grid.Near(Around(200, 0, 200, 1))) << "outside the grid";
    EXPECT_TRUE(grid.Near({-1e9, 1e9, -1, 1, -1e9, 1e9})) << "a box over the whole grid";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(grid.Near({nan, nan, nan, nan, nan, nan}));
}

// The grid holds the triangles where the geom places them: moved and turned.
TEST(TriangleGrid, TrianglesStandWhereTheGeomIsPlaced) {
    CollisionMesh mesh;
    AddTriangle(mesh, {0, 0, 0, 10, 0, 0, 0, 0, 1});  // a strip along +x
    const dReal position[3] = {100, 5, 0};
    // A quarter turn about y: +x goes to -z.
    const dReal turned[12] = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0};
    const TriangleGrid grid(mesh, position, turned);
    EXPECT_TRUE(grid.Near(Around(100.5, 5, -8, 0.2)));
    EXPECT_FALSE(grid.Near(Around(108, 5, 0.5, 0.2))) << "where it would lie unturned";
    EXPECT_FALSE(grid.Near(Around(5, 0, 0.5, 0.2))) << "where it would lie unmoved";
}

// One long triangle crosses many cells of a grid made fine by many small ones:
// every cell it crosses knows it.
TEST(TriangleGrid, ALongTriangleIsFoundAllAlongIt) {
    CollisionMesh mesh;
    for (int i = 0; i < 20; ++i) {
        for (int j = 0; j < 20; ++j) AddTriangle(mesh, {i * 5.0, 0, j * 5.0, i * 5.0 + 1, 0, j * 5.0, i * 5.0, 0, j * 5.0 + 1});
    }
    AddTriangle(mesh, {0, 3, 2.5, 100, 3, 2.5, 0, 4, 2.5});  // a barrier along x at z = 2.5
    const TriangleGrid grid(mesh, kNowhere, kIdentity);
    for (double x = 0.5; x < 99; x += 7) EXPECT_TRUE(grid.Near(Around(x, 3, 2.5, 0.1))) << "at x = " << x;
    EXPECT_FALSE(grid.Near(Around(52.5, 1.5, 2.5, 0.1))) << "under the barrier, between the small ones";
}

TEST(TriangleGrid, AMeshWithoutGoodTrianglesIsNearNothing) {
    CollisionMesh mesh;
    mesh.vertices = {0, 0, 0, 1, 0, 0, 0, 0, 1};
    mesh.indices = {0, 1, 7};  // a corner past the vertices
    const TriangleGrid grid(mesh, kNowhere, kIdentity);
    EXPECT_FALSE(grid.Near(Around(0, 0, 0, 10)));
    const TriangleGrid empty(CollisionMesh{}, kNowhere, kIdentity);
    EXPECT_FALSE(empty.Near(Around(0, 0, 0, 10)));
}
