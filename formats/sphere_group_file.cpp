// Reader and writer of ".spg" sphere groups.
#include "formats/sphere_group_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace formats {
namespace {

std::optional<SphereGroup> Fail(std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return std::nullopt;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads up to four numbers from the line; gives how many were read, or -1 for a
// word that is not a number and 5 for more than four.
int ParseNumbers(std::string_view line, float (&values)[4]) {
    int count = 0;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i == line.size()) break;
        size_t end = i;
        while (end < line.size() && !IsBlank(line[end])) ++end;
        if (count == 4) return 5;
        float value = 0;
        const char* first = line.data() + i;
        const char* last = line.data() + end;
        if (*first == '+') ++first;
        const auto [stop, status] = std::from_chars(first, last, value);
        if (status != std::errc() || stop != last) return -1;
        values[count++] = value;
        i = end;
    }
    return count;
}

}  // namespace

std::optional<SphereGroup> ReadSphereGroup(std::string_view text, std::string* error) {
    if (text.find('\0') != std::string_view::npos) return Fail(error, "not a text file");
    SphereGroup group;
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        size_t first = 0;
        while (first < line.size() && IsBlank(line[first])) ++first;
        if (first == line.size() || line[first] == '#') continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        float v[4];
        const int count = ParseNumbers(line, v);
        if (count != 4) return Fail(error, where + "expected x y z radius");
        for (float number : v) {
            if (!std::isfinite(number)) return Fail(error, where + "number out of range");
        }
        if (!(v[3] > 0)) return Fail(error, where + "radius must be above zero");
        group.spheres.push_back({v[0], v[1], v[2], v[3]});
    }
    if (group.spheres.empty()) return Fail(error, "no sphere in the group");
    return group;
}

std::string WriteSphereGroup(const SphereGroup& group) {
    std::string out = "# Sphere group: x y z radius, one sphere a line\n";
    char line[160];
    for (const Sphere& s : group.spheres) {
        std::snprintf(line, sizeof line, "%.9g %.9g %.9g %.9g\n", s.x, s.y, s.z, s.radius);
        out += line;
    }
    return out;
}

}  // namespace formats
