// Building mesh parts from triangles, quads and simple solids.
#include "tools/assetgen/mesh_builder.h"

#include <cmath>

namespace assetgen {

double Length(V3 a) {
    return std::sqrt(Dot(a, a));
}

V3 Normalised(V3 a) {
    const double length = Length(a);
    return length > 0 ? a * (1 / length) : V3{0, 1, 0};
}

void SwatchUv(int swatch, double& u, double& v) {
    const int column = swatch % 16;
    const int row = swatch / 16;
    u = (column + 0.5) / 16.0;
    v = 1.0 - (row + 0.5) / 16.0;
}

MeshBuilder::MeshBuilder(std::string name, std::string texture)
    : name_(std::move(name)), texture_(std::move(texture)) {}

void MeshBuilder::SetColour(float r, float g, float b, float a) {
    colour_[0] = r;
    colour_[1] = g;
    colour_[2] = b;
    colour_[3] = a;
}

uint32_t MeshBuilder::AddVertex(const Vertex& vertex) {
    Vertex stored = vertex;
    stored.r = colour_[0];
    stored.g = colour_[1];
    stored.b = colour_[2];
    stored.a = colour_[3];
    vertices_.push_back(stored);
    return static_cast<uint32_t>(vertices_.size() - 1);
}

void MeshBuilder::AddTriangle(uint32_t a, uint32_t b, uint32_t c, V3 outward) {
    const V3 pa = vertices_[a].position;
    const V3 face = Cross(vertices_[b].position - pa, vertices_[c].position - pa);
    if (Dot(face, outward) < 0) std::swap(b, c);
    indices_.insert(indices_.end(), {a, b, c});
}

void MeshBuilder::AddQuad(V3 p0, V3 p1, V3 p2, V3 p3, V3 outward, const double uv[8]) {
    const V3 normal = Normalised(outward);
    const V3 corners[4] = {p0, p1, p2, p3};
    uint32_t index[4];
    for (int i = 0; i < 4; ++i) {
        index[i] = AddVertex({corners[i], normal, uv[2 * i], uv[2 * i + 1]});
    }
    AddTriangle(index[0], index[1], index[2], outward);
    AddTriangle(index[0], index[2], index[3], outward);
}

void MeshBuilder::AddFlatQuad(V3 p0, V3 p1, V3 p2, V3 p3, V3 outward, int swatch) {
    double u, v;
    SwatchUv(swatch, u, v);
    const double uv[8] = {u, v, u, v, u, v, u, v};
    AddQuad(p0, p1, p2, p3, outward, uv);
}

void MeshBuilder::AddBox(V3 lo, V3 hi, int swatch) {
    const V3 c[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z},
                     {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    AddFlatQuad(c[0], c[1], c[2], c[3], {0, 0, -1}, swatch);
    AddFlatQuad(c[4], c[5], c[6], c[7], {0, 0, 1}, swatch);
    AddFlatQuad(c[0], c[4], c[7], c[3], {-1, 0, 0}, swatch);
    AddFlatQuad(c[1], c[5], c[6], c[2], {1, 0, 0}, swatch);
    AddFlatQuad(c[0], c[1], c[5], c[4], {0, -1, 0}, swatch);
    AddFlatQuad(c[3], c[2], c[6], c[7], {0, 1, 0}, swatch);
}

void MeshBuilder::AddCylinder(V3 base, V3 top, double radius, int segments, int swatch) {
    const V3 axis = Normalised(top - base);
    const V3 helper = std::fabs(axis.y) < 0.9 ? V3{0, 1, 0} : V3{1, 0, 0};
    const V3 side1 = Normalised(Cross(axis, helper));
    const V3 side2 = Cross(axis, side1);
    double u, v;
    SwatchUv(swatch, u, v);
    const uint32_t baseCentre = AddVertex({base, axis * -1, u, v});
    const uint32_t topCentre = AddVertex({top, axis, u, v});
    for (int i = 0; i < segments; ++i) {
        const double a0 = 2 * M_PI * i / segments;
        const double a1 = 2 * M_PI * (i + 1) / segments;
        const V3 d0 = side1 * std::cos(a0) + side2 * std::sin(a0);
        const V3 d1 = side1 * std::cos(a1) + side2 * std::sin(a1);
        const uint32_t s0 = AddVertex({base + d0 * radius, d0, u, v});
        const uint32_t s1 = AddVertex({base + d1 * radius, d1, u, v});
        const uint32_t s2 = AddVertex({top + d1 * radius, d1, u, v});
        const uint32_t s3 = AddVertex({top + d0 * radius, d0, u, v});
        AddTriangle(s0, s1, s2, d0 + d1);
        AddTriangle(s0, s2, s3, d0 + d1);
        const uint32_t b0 = AddVertex({base + d0 * radius, axis * -1, u, v});
        const uint32_t b1 = AddVertex({base + d1 * radius, axis * -1, u, v});
        AddTriangle(baseCentre, b0, b1, axis * -1);
        const uint32_t t0 = AddVertex({top + d0 * radius, axis, u, v});
        const uint32_t t1 = AddVertex({top + d1 * radius, axis, u, v});
        AddTriangle(topCentre, t0, t1, axis);
    }
}

void MeshBuilder::AddExtruded(const std::vector<std::pair<double, double>>& polygon, double z0, double z1,
                              int swatch) {
    double u, v;
    SwatchUv(swatch, u, v);
    const size_t n = polygon.size();
    V3 centre{0, 0, 0};
    for (const auto& [x, y] : polygon) centre = centre + V3{x / n, y / n, 0};
    for (double z : {z0, z1}) {
        const V3 out{0, 0, z == z0 ? -1.0 : 1.0};
        const uint32_t middle = AddVertex({{centre.x, centre.y, z}, out, u, v});
        for (size_t i = 0; i < n; ++i) {
            const auto& [ax, ay] = polygon[i];
            const auto& [bx, by] = polygon[(i + 1) % n];
            const uint32_t a = AddVertex({{ax, ay, z}, out, u, v});
            const uint32_t b = AddVertex({{bx, by, z}, out, u, v});
            AddTriangle(middle, a, b, out);
        }
    }
    for (size_t i = 0; i < n; ++i) {
        const auto& [ax, ay] = polygon[i];
        const auto& [bx, by] = polygon[(i + 1) % n];
        V3 out = Normalised({by - ay, -(bx - ax), 0});
        if (Dot(out, V3{(ax + bx) / 2 - centre.x, (ay + by) / 2 - centre.y, 0}) < 0) out = out * -1;
        AddFlatQuad({ax, ay, z0}, {bx, by, z0}, {bx, by, z1}, {ax, ay, z1}, out, swatch);
    }
}

void MeshBuilder::AddEllipsoid(V3 centre, V3 radii, int rings, int segments, int swatch) {
    double u, v;
    SwatchUv(swatch, u, v);
    const uint32_t first = static_cast<uint32_t>(vertices_.size());
    for (int ring = 0; ring <= rings; ++ring) {
        const double theta = M_PI * ring / rings;
        for (int s = 0; s <= segments; ++s) {
            const double phi = 2 * M_PI * s / segments;
            const V3 unit{std::sin(theta) * std::cos(phi), std::cos(theta), std::sin(theta) * std::sin(phi)};
            const V3 position{centre.x + radii.x * unit.x, centre.y + radii.y * unit.y,
                              centre.z + radii.z * unit.z};
            const V3 normal = Normalised({unit.x / radii.x, unit.y / radii.y, unit.z / radii.z});
            AddVertex({position, normal, u, v});
        }
    }
    const uint32_t stride = segments + 1;
    for (int ring = 0; ring < rings; ++ring) {
        for (int s = 0; s < segments; ++s) {
            const uint32_t i0 = first + ring * stride + s;
            const uint32_t i1 = i0 + 1;
            const uint32_t i2 = i0 + stride;
            const uint32_t i3 = i2 + 1;
            const V3 out = vertices_[i0].normal + vertices_[i3].normal;
            if (ring > 0) AddTriangle(i0, i1, i3, out);
            if (ring < rings - 1) AddTriangle(i0, i3, i2, out);
        }
    }
}

void MeshBuilder::Transform(V3 offset, double scale) {
    for (Vertex& vertex : vertices_) vertex.position = vertex.position * scale + offset;
}

}  // namespace assetgen
