// Writing mesh parts as DirectX text ".x" files and PLY collision meshes through
// assimp's exporter, the library the engine imports them with.
//
// ".x": each MeshBuilder becomes one mesh, in the given order (iMeshPartCreate's
// index). The file holds the game's left-handed coordinates as they are, the way
// DirectX files do: read with assimp's importer plus MakeLeftHanded, FlipUVs and
// FlipWindingOrder (as the engine does) every position and normal comes back as
// built, texture coordinate v = 0 is the top row of the image, and triangles wind
// counter-clockwise as seen from their front in the game's view (x right, y up,
// looking along +z). Each part names its texture by a bare file name in the
// model's folder; vertex colours are white or tints to multiply.
//
// ".ply": all parts merged, in world units; the plain cross product of each
// triangle points to the side bodies touch (ODE's convention).
#pragma once

#include <vector>

#include "tools/assetgen/asset_output.h"
#include "tools/assetgen/mesh_builder.h"

namespace assetgen {

// Throws std::runtime_error when assimp cannot export the parts.
Bytes ExportX(const std::vector<MeshBuilder>& parts);
Bytes ExportPly(const std::vector<MeshBuilder>& parts);

}  // namespace assetgen
