// ".spg" sphere groups: the collision shape of a dynamic body as a set of spheres.
//
// Text, one sphere a line: "x y z radius", decimal numbers in the body's own
// units separated by spaces or tabs. Blank lines and lines starting with '#' are
// ignored; so is a carriage return before the line end. A group has at least one
// sphere; every radius is above zero and every number finite.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

struct Sphere {
    float x = 0, y = 0, z = 0;
    float radius = 0;
};

struct SphereGroup {
    std::vector<Sphere> spheres;
};

// Parses a ".spg" text. Gives nothing, with the reason and line in *error (when
// given), for a line that is not four numbers, a radius of zero or less, a
// number that is not finite, a zero byte, or no sphere at all.
std::optional<SphereGroup> ReadSphereGroup(std::string_view text, std::string* error = nullptr);

// Writes one line per sphere with enough digits that ReadSphereGroup gives the
// same floats back.
std::string WriteSphereGroup(const SphereGroup& group);

}  // namespace formats
