// CollisionShapeLoader: reads collision shapes from the program's files: ".ply" triangle meshes and ".spg" sphere groups.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/physics_objects.h"

namespace engine {

struct CollisionSphere {
    Vec3 centre;
    float radius = 0;
};

class CollisionShapeLoader {
public:
    // The triangles of a ".ply" file (formats/ply_mesh_file.h) with ODE's mesh data
    // built; nullptr, with a log line, when the file is missing, damaged or has no triangle.
    static std::shared_ptr<CollisionMesh> LoadMesh(const std::string& programPath);
    // The spheres of a ".spg" file; nothing, with a log line, when the file is
    // missing or damaged or holds no sphere.
    static std::optional<std::vector<CollisionSphere>> LoadSphereGroup(const std::string& programPath);
};

}  // namespace engine
