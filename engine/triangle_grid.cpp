// Sorting a mesh's triangle boxes into grid columns, and asking a box about them.
#include "engine/triangle_grid.h"

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

// About this many triangles a cell, and at most this many cells along a side.
constexpr double kTrianglesPerCell = 1.0;
constexpr int kMostCells = 512;

bool Overlap(const Box& a, const Box& b) {
    return a[0] <= b[1] && b[0] <= a[1] && a[2] <= b[3] && b[2] <= a[3] && a[4] <= b[5] && b[4] <= a[5];
}

}  // namespace

TriangleGrid::TriangleGrid(const CollisionMesh& mesh, const dReal* position, const dReal* rotation) {
    const size_t vertexCount = mesh.vertices.size() / 3;
    Box whole = {dInfinity, -dInfinity, dInfinity, -dInfinity, dInfinity, -dInfinity};
    for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        Box box = {dInfinity, -dInfinity, dInfinity, -dInfinity, dInfinity, -dInfinity};
        bool valid = true;
        for (size_t k = 0; k < 3; ++k) {
            const size_t index = size_t(mesh.indices[t + k]);
            if (index >= vertexCount) {
                valid = false;
                break;
            }
            const double* v = &mesh.vertices[3 * index];
            for (int axis = 0; axis < 3; ++axis) {
                const dReal* row = rotation + 4 * axis;
                const double world = position[axis] + row[0] * v[0] + row[1] * v[1] + row[2] * v[2];
                box[2 * axis] = std::min(box[2 * axis], world - kMargin);
                box[2 * axis + 1] = std::max(box[2 * axis + 1], world + kMargin);
            }
        }
        if (!valid) continue;
        for (int i = 0; i < 6; i += 2) {
            whole[i] = std::min(whole[i], box[i]);
            whole[i + 1] = std::max(whole[i + 1], box[i + 1]);
        }
        triangles_.push_back(box);
    }
    if (triangles_.empty()) return;

    const double width = whole[1] - whole[0], depth = whole[5] - whole[4];
    const double area = std::max(width * depth, 1e-12);
    cell_ = std::max({std::sqrt(area * kTrianglesPerCell / double(triangles_.size())), width / kMostCells,
                      depth / kMostCells, 1e-6});
    originX_ = whole[0];
    originZ_ = whole[4];
    columns_ = std::clamp(int(std::ceil(width / cell_)), 1, kMostCells);
    rows_ = std::clamp(int(std::ceil(depth / cell_)), 1, kMostCells);

    // Counting, then filling: each triangle goes into every cell its box covers.
    const size_t cells = size_t(columns_) * size_t(rows_);
    std::vector<uint32_t> counts(cells + 1, 0);
    const auto forCells = [&](const Box& box, auto&& visit) {
        int x0, x1, z0, z1;
        if (!Span(box[0], box[1], originX_, columns_, &x0, &x1) || !Span(box[4], box[5], originZ_, rows_, &z0, &z1)) {
            return;
        }
        for (int z = z0; z <= z1; ++z)
            for (int x = x0; x <= x1; ++x) visit(size_t(z) * size_t(columns_) + size_t(x));
    };
    for (const Box& box : triangles_) forCells(box, [&](size_t cell) { ++counts[cell]; });
    cellStart_.assign(cells + 1, 0);
    for (size_t c = 0; c < cells; ++c) cellStart_[c + 1] = cellStart_[c] + counts[c];
    cellTriangles_.resize(cellStart_[cells]);
    std::vector<uint32_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (size_t t = 0; t < triangles_.size(); ++t) {
        forCells(triangles_[t], [&](size_t cell) { cellTriangles_[next[cell]++] = uint32_t(t); });
    }
}

bool TriangleGrid::Span(double low, double high, double origin, int cells, int* first, int* last) const {
    const double from = std::floor((low - origin) / cell_), to = std::floor((high - origin) / cell_);
    if (!(to >= 0) || !(from < cells)) return false;  // outside, or not a number
    *first = int(std::max(from, 0.0));
    *last = int(std::min(to, double(cells - 1)));
    return true;
}

bool TriangleGrid::Near(const Box& box) const {
    if (triangles_.empty()) return false;
    int x0, x1, z0, z1;
    if (!Span(box[0], box[1], originX_, columns_, &x0, &x1) || !Span(box[4], box[5], originZ_, rows_, &z0, &z1)) {
        return false;
    }
    for (int z = z0; z <= z1; ++z) {
        for (int x = x0; x <= x1; ++x) {
            const size_t cell = size_t(z) * size_t(columns_) + size_t(x);
            for (uint32_t i = cellStart_[cell]; i < cellStart_[cell + 1]; ++i) {
                if (Overlap(box, triangles_[cellTriangles_[i]])) return true;
            }
        }
    }
    return false;
}

}  // namespace engine
