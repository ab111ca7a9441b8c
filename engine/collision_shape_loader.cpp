// Reading ".ply" collision meshes and ".spg" sphere groups with our own readers.
#include "engine/collision_shape_loader.h"

#include "engine/engine_log.h"
#include "engine/image_codec.h"
#include "formats/ply_mesh_file.h"
#include "formats/sphere_group_file.h"
#include "platform/platform.h"

namespace engine {

std::shared_ptr<CollisionMesh> CollisionShapeLoader::LoadMesh(const std::string& programPath) {
    std::string error;
    const auto bytes = ReadWholeFile(platform::ResolvePath(programPath), &error);
    const auto ply = bytes ? formats::ReadPlyMesh(*bytes, &error) : std::nullopt;
    if (!ply) {
        EngineLog::CannotLoad(programPath, error);
        return nullptr;
    }
    auto mesh = std::make_shared<CollisionMesh>();
    mesh->vertices.assign(ply->vertices.begin(), ply->vertices.end());
    mesh->indices.assign(ply->triangles.begin(), ply->triangles.end());
    mesh->data = dGeomTriMeshDataCreate();
    dGeomTriMeshDataBuildDouble(mesh->data, mesh->vertices.data(), 3 * sizeof(double), int(mesh->vertices.size() / 3),
                                mesh->indices.data(), int(mesh->indices.size()), 3 * sizeof(dTriIndex));
    return mesh;
}

std::optional<std::vector<CollisionSphere>> CollisionShapeLoader::LoadSphereGroup(const std::string& programPath) {
    std::string error;
    const auto bytes = ReadWholeFile(platform::ResolvePath(programPath), &error);
    const auto group = bytes ? formats::ReadSphereGroup(
                                   std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), &error)
                             : std::nullopt;
    if (!group) {
        EngineLog::CannotLoad(programPath, error);
        return std::nullopt;
    }
    std::vector<CollisionSphere> spheres;
    for (const formats::Sphere& s : group->spheres) spheres.push_back({{s.x, s.y, s.z}, s.radius});
    return spheres;
}

}  // namespace engine
