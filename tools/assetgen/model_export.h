// Writing mesh parts as DirectX text ".x" files and PLY collision meshes through
// assimp's exporter, the library the engine imports them with.
//
// ".x": each MeshBuilder becomes one mesh, in the given order (iMeshPartCreate's
// index). Triangles are written counter-clockwise as seen from their front in the
// game's left-handed view (x right, y up, looking along +z), so a GL renderer with
// the default front face culls the backs. Each part names its texture by a bare
// file name in the model's folder; vertex colours are white or tints to multiply.
// After import, texture coordinate v = 1 is the top row of the image.
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
