// ModelLoader: decodes ".x" models through assimp into plain vertex and index lists.
//
// Parts are the file's meshes in file order (frames walked depth first, each
// frame's meshes in order), with each frame's transform applied. Coordinates come
// out as the file holds them: the ".x" format is left-handed like the engine.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace engine {

struct ModelPartData {
    std::vector<float> vertices;  // x, y, z, nx, ny, nz, u, v per vertex; v = 0 at the picture's top
    std::vector<uint32_t> indices;  // triangles
    float diffuse[4] = {1, 1, 1, 1};
    std::string textureFile;  // program path of the material's picture, or empty
    bool hasNormals = false;  // a part without normals is drawn unlit
};

class ModelLoader {
public:
    static constexpr int kFloatsPerVertex = 8;
    // Decodes a whole ".x" file held in memory; texture names are taken relative to
    // folder (a program path ending in a separator, or empty).
    static std::optional<std::vector<ModelPartData>> Decode(std::span<const uint8_t> bytes, const std::string& folder,
                                                            std::string* error);
    // True when the bytes open with a ".x" header ("xof 0303txt 0032" and its kinds);
    // nothing else is handed to assimp.
    static bool LooksLikeXFile(std::span<const uint8_t> bytes);
};

}  // namespace engine
