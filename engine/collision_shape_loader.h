// CollisionShapeLoader: reads collision shapes from the program's files: ".ply" triangle meshes and ".spg" sphere groups.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
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
    // The triangles of a ".ply" file (every mesh in it) with ODE's mesh data built;
    // nullptr, with a log line, when the file is missing, unreadable or has no triangle.
    static std::shared_ptr<CollisionMesh> LoadMesh(const std::string& programPath);
    // The spheres of a ".spg" file; nothing, with a log line, when the file is
    // missing or damaged or holds no sphere.
    static std::optional<std::vector<CollisionSphere>> LoadSphereGroup(const std::string& programPath);
    // Parses ".spg" text: one sphere a line, "x y z radius", radius above 0; blank
    // lines and lines starting with '#' are skipped. Nothing, with the reason in
    // *error, for any other line or when no sphere is given.
    static std::optional<std::vector<CollisionSphere>> ParseSphereGroup(std::string_view text, std::string* error);
};

}  // namespace engine
