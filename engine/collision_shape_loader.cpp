// Reading ".ply" collision meshes through assimp and ".spg" sphere groups.
#include "engine/collision_shape_loader.h"

#include <assimp/cimport.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include "engine/engine_log.h"
#include "platform/platform.h"

namespace engine {
namespace {

bool ReadText(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

std::shared_ptr<CollisionMesh> CollisionShapeLoader::LoadMesh(const std::string& programPath) {
    const std::string path = platform::ResolvePath(programPath);
    const aiScene* scene =
        aiImportFile(path.c_str(), aiProcess_Triangulate | aiProcess_PreTransformVertices | aiProcess_JoinIdenticalVertices);
    if (!scene) {
        EngineLog::CannotLoad(programPath, aiGetErrorString());
        return nullptr;
    }
    auto mesh = std::make_shared<CollisionMesh>();
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* part = scene->mMeshes[m];
        const size_t base = mesh->vertices.size() / 3;
        for (unsigned i = 0; i < part->mNumVertices; ++i) {
            const aiVector3D& v = part->mVertices[i];
            mesh->vertices.insert(mesh->vertices.end(), {double(v.x), double(v.y), double(v.z)});
        }
        for (unsigned f = 0; f < part->mNumFaces; ++f) {
            const aiFace& face = part->mFaces[f];
            if (face.mNumIndices != 3) continue;
            bool inside = true;
            for (unsigned k = 0; k < 3; ++k) inside = inside && face.mIndices[k] < part->mNumVertices;
            if (!inside) continue;
            for (unsigned k = 0; k < 3; ++k) mesh->indices.push_back(dTriIndex(base + face.mIndices[k]));
        }
    }
    aiReleaseImport(scene);
    if (mesh->indices.empty()) {
        EngineLog::CannotLoad(programPath, "no triangles");
        return nullptr;
    }
    mesh->data = dGeomTriMeshDataCreate();
    dGeomTriMeshDataBuildDouble(mesh->data, mesh->vertices.data(), 3 * sizeof(double), int(mesh->vertices.size() / 3),
                                mesh->indices.data(), int(mesh->indices.size()), 3 * sizeof(dTriIndex));
    return mesh;
}

std::optional<std::vector<CollisionSphere>> CollisionShapeLoader::LoadSphereGroup(const std::string& programPath) {
    std::string text;
    if (!ReadText(platform::ResolvePath(programPath), &text)) {
        EngineLog::CannotLoad(programPath, "no such file");
        return std::nullopt;
    }
    std::string error;
    auto spheres = ParseSphereGroup(text, &error);
    if (!spheres) EngineLog::CannotLoad(programPath, error);
    return spheres;
}

std::optional<std::vector<CollisionSphere>> CollisionShapeLoader::ParseSphereGroup(std::string_view text,
                                                                                   std::string* error) {
    std::vector<CollisionSphere> spheres;
    std::istringstream lines{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        std::istringstream fields(line);
        CollisionSphere sphere;
        std::string rest;
        if (!(fields >> sphere.centre.x >> sphere.centre.y >> sphere.centre.z >> sphere.radius) || (fields >> rest) ||
            !std::isfinite(sphere.centre.x) || !std::isfinite(sphere.centre.y) || !std::isfinite(sphere.centre.z) ||
            !(sphere.radius > 0) || !std::isfinite(sphere.radius)) {
            if (error) *error = "bad sphere on line " + std::to_string(number);
            return std::nullopt;
        }
        spheres.push_back(sphere);
    }
    if (spheres.empty()) {
        if (error) *error = "no spheres";
        return std::nullopt;
    }
    return spheres;
}

}  // namespace engine
