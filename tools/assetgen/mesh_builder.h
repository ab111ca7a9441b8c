// MeshBuilder: one part of a model (vertices with normal, texture coordinate and
// colour; triangles) and small geometric helpers the model generators share.
//
// Triangles are stored so that the plain cross product (b - a) x (c - a) points to
// the outside, as ODE's triangle meshes expect. Visible ".x" files are written the
// other way round (see model_export.h).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace assetgen {

struct V3 {
    double x = 0, y = 0, z = 0;
};

inline V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline V3 operator*(V3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double Dot(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline V3 Cross(V3 a, V3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length(V3 a);
V3 Normalised(V3 a);

struct Vertex {
    V3 position;
    V3 normal;
    double u = 0, v = 0;  // v = 1 is the top row of the image (see model_export.h)
    float r = 1, g = 1, b = 1, a = 1;
};

class MeshBuilder {
public:
    explicit MeshBuilder(std::string name, std::string texture = "palette.png");

    uint32_t AddVertex(const Vertex& vertex);
    // Adds the triangle, ordering it so its face points along outward.
    void AddTriangle(uint32_t a, uint32_t b, uint32_t c, V3 outward);
    // A flat quad p0..p3 (in order around its edge) facing outward; uv gives the
    // texture coordinate of each corner.
    void AddQuad(V3 p0, V3 p1, V3 p2, V3 p3, V3 outward, const double uv[8]);
    // A flat quad in one solid colour of the palette texture.
    void AddFlatQuad(V3 p0, V3 p1, V3 p2, V3 p3, V3 outward, int swatch);
    // A box from min to max corner in one swatch, every face outward.
    void AddBox(V3 min, V3 max, int swatch);
    // A closed cylinder along axis from base to top, in one swatch.
    void AddCylinder(V3 base, V3 top, double radius, int segments, int swatch);
    // A convex polygon (x, y corners in order) extruded along z from z0 to z1.
    void AddExtruded(const std::vector<std::pair<double, double>>& polygon, double z0, double z1, int swatch);
    // A sphere-ish ellipsoid in one swatch.
    void AddEllipsoid(V3 centre, V3 radii, int rings, int segments, int swatch);
    void SetColour(float r, float g, float b, float a);  // for the vertices that follow

    const std::string& Name() const { return name_; }
    const std::string& Texture() const { return texture_; }
    const std::vector<Vertex>& Vertices() const { return vertices_; }
    const std::vector<uint32_t>& Indices() const { return indices_; }
    // Moves and scales every vertex (normals keep their direction).
    void Transform(V3 offset, double scale);

private:
    std::string name_;
    std::string texture_;
    std::vector<Vertex> vertices_;
    std::vector<uint32_t> indices_;
    float colour_[4] = {1, 1, 1, 1};
};

// Texture coordinate of the centre of palette swatch 0..255 (16 x 16 grid).
void SwatchUv(int swatch, double& u, double& v);

}  // namespace assetgen
