// TriangleGrid: a static triangle mesh's triangles, boxed in world axes and sorted into the
// columns of a grid over x and z, to tell quickly whether a box comes near any of them.
//
// A geom can only touch the mesh where its box overlaps some triangle's box, so a
// box near no triangle needs no collision test against the mesh. The boxes are
// grown by kMargin so that rounding never hides a touch.
#pragma once

#include <cstdint>
#include <vector>

#include <ode/ode.h>

#include "engine/physics_objects.h"

namespace engine {

class TriangleGrid {
public:
    static constexpr double kMargin = 0.01;  // world units

    // The mesh's triangles placed as a geom at position with ODE's 3 x 4 rotation.
    TriangleGrid(const CollisionMesh& mesh, const dReal* position, const dReal* rotation);

    // True when box overlaps some triangle's (grown) box; false for a mesh without triangles.
    bool Near(const Box& box) const;

private:
    // The cell range a box covers along one axis, clamped to the grid; false when outside it.
    bool Span(double low, double high, double origin, int cells, int* first, int* last) const;

    std::vector<Box> triangles_;
    double originX_ = 0, originZ_ = 0, cell_ = 1;
    int columns_ = 0, rows_ = 0;        // along x, along z
    std::vector<uint32_t> cellStart_;   // per cell (row-major), where its triangles begin in cellTriangles_
    std::vector<uint32_t> cellTriangles_;
};

}  // namespace engine
