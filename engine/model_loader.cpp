// Reading models through assimp.
#include "engine/model_loader.h"

#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <assimp/Importer.hpp>
#include <cstring>
#include <string_view>



namespace engine {
namespace {

void ReadMaterial(const aiMaterial* material, const std::string& folder, ModelPartData* part) {
    if (!material) return;
    // A mesh without a material of its own gets assimp's stand-in (unnamed, mid grey):
    // such meshes draw in their texture's colours or white.
    aiString name;
    if (material->Get(AI_MATKEY_NAME, name) != AI_SUCCESS || name.length == 0 ||
        std::strcmp(name.C_Str(), AI_DEFAULT_MATERIAL_NAME) == 0) {
        return;
    }
    aiColor4D diffuse;
    if (aiGetMaterialColor(material, AI_MATKEY_COLOR_DIFFUSE, &diffuse) == AI_SUCCESS) {
        part->diffuse[0] = diffuse.r;
        part->diffuse[1] = diffuse.g;
        part->diffuse[2] = diffuse.b;
        part->diffuse[3] = diffuse.a;
    }
    float opacity = 1;
    if (aiGetMaterialFloat(material, AI_MATKEY_OPACITY, &opacity) == AI_SUCCESS && opacity < 1) {
        part->diffuse[3] = opacity;
    }
    aiString texture;
    if (material->GetTexture(aiTextureType_DIFFUSE, 0, &texture) == AI_SUCCESS && texture.length > 0) {
        part->textureFile = folder + texture.C_Str();
    }
}

ModelPartData ReadMesh(const aiScene* scene, const aiMesh* mesh, const aiMatrix4x4& transform,
                       const std::string& folder) {
    ModelPartData part;
    part.hasNormals = mesh->HasNormals();
    aiMatrix3x3 normalTransform(transform);
    normalTransform.Inverse().Transpose();
    part.vertices.reserve(size_t(mesh->mNumVertices) * ModelLoader::kFloatsPerVertex);
    for (unsigned i = 0; i < mesh->mNumVertices; ++i) {
        const aiVector3D p = transform * mesh->mVertices[i];
        aiVector3D n(0, 0, 0);
        if (part.hasNormals) n = (normalTransform * mesh->mNormals[i]).NormalizeSafe();
        aiVector3D uv(0, 0, 0);
        if (mesh->HasTextureCoords(0)) uv = mesh->mTextureCoords[0][i];
        part.vertices.insert(part.vertices.end(), {p.x, p.y, p.z, n.x, n.y, n.z, uv.x, uv.y});
    }
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
        const aiFace& face = mesh->mFaces[f];
        // A damaged file may name vertices it does not have: such faces are dropped.
        if (face.mNumIndices != 3 || face.mIndices[0] >= mesh->mNumVertices || face.mIndices[1] >= mesh->mNumVertices ||
            face.mIndices[2] >= mesh->mNumVertices) {
            continue;
        }
        part.indices.insert(part.indices.end(), face.mIndices, face.mIndices + 3);
    }
    if (mesh->mMaterialIndex < scene->mNumMaterials) {
        ReadMaterial(scene->mMaterials[mesh->mMaterialIndex], folder, &part);
    }
    return part;
}

// Frames nest at most this deep; a damaged file claiming more is read that far.
constexpr int kMaxFrameDepth = 64;

void Walk(const aiScene* scene, const aiNode* node, const aiMatrix4x4& parent, const std::string& folder,
          std::vector<ModelPartData>* parts, int depth) {
    if (!node || depth > kMaxFrameDepth) return;
    const aiMatrix4x4 transform = parent * node->mTransformation;
    for (unsigned i = 0; i < node->mNumMeshes; ++i) {
        const unsigned index = node->mMeshes[i];
        if (index < scene->mNumMeshes) parts->push_back(ReadMesh(scene, scene->mMeshes[index], transform, folder));
    }
    for (unsigned i = 0; i < node->mNumChildren; ++i) Walk(scene, node->mChildren[i], transform, folder, parts, depth + 1);
}

}  // namespace

bool ModelLoader::LooksLikeXFile(std::span<const uint8_t> bytes) {
    // "xof ", a four-digit version, the encoding, the float size: 16 bytes.
    if (bytes.size() < 16 || std::memcmp(bytes.data(), "xof ", 4) != 0) return false;
    const auto at = [&](size_t i) { return char(bytes[i]); };
    for (size_t i = 4; i < 8; ++i) {
        if (at(i) < '0' || at(i) > '9') return false;
    }
    const std::string_view encoding(reinterpret_cast<const char*>(bytes.data()) + 8, 4);
    const std::string_view floats(reinterpret_cast<const char*>(bytes.data()) + 12, 4);
    return (encoding == "txt " || encoding == "bin " || encoding == "tzip" || encoding == "bzip") &&
           (floats == "0032" || floats == "0064");
}

std::optional<std::vector<ModelPartData>> ModelLoader::Decode(std::span<const uint8_t> bytes, const std::string& folder,
                                                              std::string* error) {
    // Only the ".x" reader may see the bytes: assimp picks a reader by content, and
    // some of its readers stop the process on damaged input instead of failing. Even
    // the ".x" reader can read through a null pointer on a damaged file: the engine
    // calls this in a child process (ModelImportProcess).
    if (!LooksLikeXFile(bytes)) {
        *error = "not a .x model";
        return std::nullopt;
    }
    Assimp::Importer importer;
    // The ".x" reader turns the file's left-handed data right-handed; the same
    // conversion again gives the engine's left-handed space back.
    const aiScene* scene = importer.ReadFileFromMemory(
        bytes.data(), bytes.size(),
        aiProcess_Triangulate | aiProcess_MakeLeftHanded | aiProcess_FlipUVs | aiProcess_FlipWindingOrder, "x");
    if (!scene || !scene->mRootNode || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE)) {
        *error = importer.GetErrorString()[0] ? importer.GetErrorString() : "not a model";
        return std::nullopt;
    }
    std::vector<ModelPartData> parts;
    Walk(scene, scene->mRootNode, aiMatrix4x4(), folder, &parts, 0);
    if (parts.empty()) {
        *error = "no meshes";
        return std::nullopt;
    }
    return parts;
}

}  // namespace engine
