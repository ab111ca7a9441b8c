// ".ply" triangle meshes: the collision meshes of tracks and the table, read without assimp.
//
// A header of text lines ("ply", "format ascii 1.0" or binary_little_endian /
// binary_big_endian, "element <name> <count>", "property <type> <name>",
// "property list <count type> <item type> <name>", "comment ...", "end_header"),
// then the elements in header order. Only x, y, z of the element "vertex" and the
// index list of the element "face" ("vertex_indices" or "vertex_index") are kept;
// every other element and property is read past. A face of n > 3 corners becomes
// a fan of n - 2 triangles; faces of fewer corners are dropped.
//
// The reader trusts nothing in the file: counts are checked against what the file
// can hold before anything is allocated, every index must name a vertex, every
// coordinate must be finite, and a file cut anywhere gives a reason, not a mesh.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace formats {

struct PlyMesh {
    std::vector<float> vertices;     // x, y, z per vertex
    std::vector<uint32_t> triangles;  // three vertex indices per triangle
};

// Decodes a whole ".ply" file. Gives nothing, with the reason in *error (when
// given), for any damage; a mesh without a triangle is damage too.
std::optional<PlyMesh> ReadPlyMesh(std::span<const uint8_t> bytes, std::string* error = nullptr);

// Writes an ASCII ".ply" of the mesh; ReadPlyMesh gives the same floats back.
std::string WritePlyMesh(const PlyMesh& mesh);

}  // namespace formats
