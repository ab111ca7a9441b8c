// Reading models through assimp.
#include "engine/model_loader.h"

#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <assimp/Importer.hpp>
#include <cstring>
#include <filesystem>

#include "platform/platform.h"

namespace engine {
namespace {

// The program-path folder of a program path ("data\\cars\\a.x" -> "data\\cars\\").
std::string FolderOf(const std::string& programPath) {
    const size_t slash = programPath.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
}

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
        if (face.mNumIndices != 3) continue;
        part.indices.insert(part.indices.end(), face.mIndices, face.mIndices + 3);
    }
    if (mesh->mMaterialIndex < scene->mNumMaterials) {
        ReadMaterial(scene->mMaterials[mesh->mMaterialIndex], folder, &part);
    }
    return part;
}

void Walk(const aiScene* scene, const aiNode* node, const aiMatrix4x4& parent, const std::string& folder,
          std::vector<ModelPartData>* parts) {
    const aiMatrix4x4 transform = parent * node->mTransformation;
    for (unsigned i = 0; i < node->mNumMeshes; ++i) {
        const unsigned index = node->mMeshes[i];
        if (index < scene->mNumMeshes) parts->push_back(ReadMesh(scene, scene->mMeshes[index], transform, folder));
    }
    for (unsigned i = 0; i < node->mNumChildren; ++i) Walk(scene, node->mChildren[i], transform, folder, parts);
}

}  // namespace

std::optional<std::vector<ModelPartData>> ModelLoader::Load(const std::string& programPath, std::string* error) {
    const std::string path = platform::ResolvePath(programPath);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        *error = "file not found";
        return std::nullopt;
    }
    Assimp::Importer importer;
    // The ".x" reader turns the file's left-handed data right-handed; the same
    // conversion again gives the engine's left-handed space back.
    const aiScene* scene = importer.ReadFile(
        path, aiProcess_Triangulate | aiProcess_MakeLeftHanded | aiProcess_FlipUVs | aiProcess_FlipWindingOrder);
    if (!scene || !scene->mRootNode || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE)) {
        *error = importer.GetErrorString()[0] ? importer.GetErrorString() : "not a model";
        return std::nullopt;
    }
    std::vector<ModelPartData> parts;
    Walk(scene, scene->mRootNode, aiMatrix4x4(), FolderOf(programPath), &parts);
    if (parts.empty()) {
        *error = "no meshes";
        return std::nullopt;
    }
    return parts;
}

}  // namespace engine
