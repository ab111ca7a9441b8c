// The assimp scene built from mesh parts, and its export to ".x" and ".ply".
#include "tools/assetgen/model_export.h"

#include <memory>
#include <stdexcept>

#include <assimp/Exporter.hpp>
#include <assimp/scene.h>

namespace assetgen {

namespace {

aiMesh* MakeMesh(const MeshBuilder& part, unsigned materialIndex, bool xFile) {
    auto* mesh = new aiMesh;
    mesh->mName = aiString(part.Name());
    mesh->mMaterialIndex = materialIndex;
    mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    const auto& vertices = part.Vertices();
    mesh->mNumVertices = static_cast<unsigned>(vertices.size());
    mesh->mVertices = new aiVector3D[vertices.size()];
    mesh->mNormals = new aiVector3D[vertices.size()];
    mesh->mTextureCoords[0] = new aiVector3D[vertices.size()];
    mesh->mNumUVComponents[0] = 2;
    mesh->mColors[0] = new aiColor4D[vertices.size()];
    for (size_t i = 0; i < vertices.size(); ++i) {
        const Vertex& v = vertices[i];
        // assimp's ".x" exporter takes a right-handed scene and writes the file
        // left-handed by mirroring z. The file must hold the game's own
        // left-handed coordinates (the engine reads it back with assimp's
        // importer plus MakeLeftHanded), so the scene is mirrored first. Normals
        // need x and y reversed as well: the exporter leaves them unmirrored and
        // the importer reverses them (the round-trip tests hold all of this).
        const float z = float(xFile ? -v.position.z : v.position.z);
        mesh->mVertices[i] = aiVector3D(float(v.position.x), float(v.position.y), z);
        if (xFile) {
            mesh->mNormals[i] = aiVector3D(-float(v.normal.x), -float(v.normal.y), float(v.normal.z));
        } else {
            mesh->mNormals[i] = aiVector3D(float(v.normal.x), float(v.normal.y), float(v.normal.z));
        }
        mesh->mTextureCoords[0][i] = aiVector3D(float(v.u), float(v.v), 0);
        mesh->mColors[0][i] = aiColor4D(v.r, v.g, v.b, v.a);
    }
    const auto& indices = part.Indices();
    mesh->mNumFaces = static_cast<unsigned>(indices.size() / 3);
    mesh->mFaces = new aiFace[mesh->mNumFaces];
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
        aiFace& face = mesh->mFaces[f];
        face.mNumIndices = 3;
        face.mIndices = new unsigned[3];
        // The mirror of the ".x" path turns the stored order (outward by the plain
        // cross product) into the visible order the header describes.
        face.mIndices[0] = indices[3 * f];
        face.mIndices[1] = indices[3 * f + 1];
        face.mIndices[2] = indices[3 * f + 2];
    }
    return mesh;
}

// xFile: mirrored for the ".x" exporter (see MakeMesh); otherwise the parts as
// stored (collision meshes).
std::unique_ptr<aiScene> MakeScene(const std::vector<MeshBuilder>& parts, bool xFile) {
    // Checked first: the scene must be whole before anything can throw.
    for (const MeshBuilder& part : parts) {
        if (part.Indices().empty()) throw std::runtime_error("mesh part " + part.Name() + " is empty");
    }
    if (parts.empty()) throw std::runtime_error("a model needs at least one part");
    auto scene = std::make_unique<aiScene>();
    scene->mRootNode = new aiNode("root");
    scene->mNumMaterials = static_cast<unsigned>(parts.size());
    scene->mMaterials = new aiMaterial*[parts.size()];
    scene->mNumMeshes = static_cast<unsigned>(parts.size());
    scene->mMeshes = new aiMesh*[parts.size()];
    scene->mRootNode->mNumMeshes = static_cast<unsigned>(parts.size());
    scene->mRootNode->mMeshes = new unsigned[parts.size()];
    for (size_t i = 0; i < parts.size(); ++i) {
        auto* material = new aiMaterial;
        aiString texture(parts[i].Texture());
        if (!parts[i].Texture().empty()) material->AddProperty(&texture, AI_MATKEY_TEXTURE_DIFFUSE(0));
        scene->mMaterials[i] = material;
        scene->mMeshes[i] = MakeMesh(parts[i], static_cast<unsigned>(i), xFile);
        scene->mRootNode->mMeshes[i] = static_cast<unsigned>(i);
    }
    return scene;
}

MeshBuilder Merge(const std::vector<MeshBuilder>& parts) {
    MeshBuilder merged("collision", "");
    for (const MeshBuilder& part : parts) {
        const uint32_t base = static_cast<uint32_t>(merged.Vertices().size());
        for (const Vertex& vertex : part.Vertices()) merged.AddVertex(vertex);
        const auto& indices = part.Indices();
        for (size_t i = 0; i + 2 < indices.size(); i += 3) {
            const V3 a = part.Vertices()[indices[i]].position;
            const V3 face = Cross(part.Vertices()[indices[i + 1]].position - a,
                                  part.Vertices()[indices[i + 2]].position - a);
            merged.AddTriangle(base + indices[i], base + indices[i + 1], base + indices[i + 2], face);
        }
    }
    return merged;
}

Bytes Export(const aiScene& scene, const char* format) {
    Assimp::Exporter exporter;
    const aiExportDataBlob* blob = exporter.ExportToBlob(&scene, format);
    if (!blob)
        throw std::runtime_error(std::string("assimp cannot export ") + format + ": " +
                                 exporter.GetErrorString());
    const auto* data = static_cast<const uint8_t*>(blob->data);
    return Bytes(data, data + blob->size);
}

}  // namespace

Bytes ExportX(const std::vector<MeshBuilder>& parts) {
    return Export(*MakeScene(parts, true), "x");
}

Bytes ExportPly(const std::vector<MeshBuilder>& parts) {
    const std::vector<MeshBuilder> merged{Merge(parts)};
    return Export(*MakeScene(merged, false), "ply");
}

}  // namespace assetgen
