// Reader and writer of ".ply" triangle meshes.
#include "formats/ply_mesh_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace formats {
namespace {

constexpr size_t kMaxHeader = 64 * 1024;

enum class Encoding { Ascii, Little, Big };

struct Property {
    std::string name;
    int size = 0;          // bytes of the value (the list's items)
    bool real = false;     // float or double
    bool isSigned = false;
    bool list = false;
    int countSize = 0;     // bytes of the list's count
};

struct Element {
    std::string name;
    uint64_t count = 0;
    std::vector<Property> properties;
};

// Size, floating and signedness of a type name; size 0 for an unknown one.
Property TypeOf(std::string_view type) {
    struct Known { const char* name; int size; bool real; bool isSigned; };
    static constexpr Known kKnown[] = {
        {"char", 1, false, true},   {"int8", 1, false, true},     {"uchar", 1, false, false},
        {"uint8", 1, false, false}, {"short", 2, false, true},    {"int16", 2, false, true},
        {"ushort", 2, false, false}, {"uint16", 2, false, false}, {"int", 4, false, true},
        {"int32", 4, false, true},  {"uint", 4, false, false},    {"uint32", 4, false, false},
        {"float", 4, true, true},   {"float32", 4, true, true},   {"double", 8, true, true},
        {"float64", 8, true, true}};
    Property property;
    for (const Known& known : kKnown) {
        if (type == known.name) {
            property.size = known.size;
            property.real = known.real;
            property.isSigned = known.isSigned;
        }
    }
    return property;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') ++end;
        if (end > i) words.push_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

// Reads the values of the body one at a time, in either encoding, never past the end.
class BodyReader {
public:
    BodyReader(std::span<const uint8_t> body, Encoding encoding) : body_(body), encoding_(encoding) {}

    size_t Left() const { return body_.size() - at_; }

    bool Read(const Property& type, int size, double* value) {
        return encoding_ == Encoding::Ascii ? ReadText(type, value) : ReadBinary(type, size, value);
    }

private:
    bool ReadText(const Property& type, double* value) {
        while (at_ < body_.size() && std::strchr(" \t\r\n", body_[at_]) && body_[at_] != 0) ++at_;
        const char* first = reinterpret_cast<const char*>(body_.data()) + at_;
        const char* last = reinterpret_cast<const char*>(body_.data()) + body_.size();
        if (first == last) return false;
        if (*first == '+') ++first;
        const auto [stop, status] = std::from_chars(first, last, *value);
        if (status != std::errc() || stop == first) return false;
        if (stop != last && !std::strchr(" \t\r\n", *stop)) return false;
        at_ = size_t(stop - reinterpret_cast<const char*>(body_.data()));
        if (!type.real && *value != std::floor(*value)) return false;
        return true;
    }

    bool ReadBinary(const Property& type, int size, double* value) {
        if (Left() < size_t(size)) return false;
        uint64_t bits = 0;
        for (int i = 0; i < size; ++i) {
            const int shift = encoding_ == Encoding::Little ? 8 * i : 8 * (size - 1 - i);
            bits |= uint64_t(body_[at_ + size_t(i)]) << shift;
        }
        at_ += size_t(size);
        if (type.real && size == 4) {
            float f;
            const uint32_t b32 = uint32_t(bits);
            std::memcpy(&f, &b32, 4);
            *value = f;
        } else if (type.real) {
            std::memcpy(value, &bits, 8);
        } else if (type.isSigned) {
            const int shift = 64 - 8 * size;
            *value = double(int64_t(bits << shift) >> shift);
        } else {
            *value = double(bits);
        }
        return true;
    }

    std::span<const uint8_t> body_;
    Encoding encoding_;
    size_t at_ = 0;
};

std::optional<PlyMesh> Fail(std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return std::nullopt;
}

// The fewest bytes one item of the element takes in the body.
uint64_t LeastItemBytes(const Element& element, Encoding encoding) {
    uint64_t bytes = 0;
    for (const Property& p : element.properties) {
        if (encoding == Encoding::Ascii) {
            bytes += 2;  // a digit and a separator
        } else {
            bytes += uint64_t(p.list ? p.countSize : p.size);
        }
    }
    return bytes == 0 ? 1 : bytes;
}

}  // namespace

std::optional<PlyMesh> ReadPlyMesh(std::span<const uint8_t> bytes, std::string* error) {
    const std::string_view all(reinterpret_cast<const char*>(bytes.data()), std::min(bytes.size(), kMaxHeader));
    if (all.substr(0, 4) != "ply\n" && all.substr(0, 5) != "ply\r\n") return Fail(error, "not a .ply file");
    Encoding encoding = Encoding::Ascii;
    bool formatSeen = false;
    std::vector<Element> elements;
    size_t at = 0;
    size_t bodyStart = 0;
    while (bodyStart == 0) {
        const size_t end = all.find('\n', at);
        if (end == std::string_view::npos) return Fail(error, "header cut short");
        const std::vector<std::string_view> words = Words(all.substr(at, end - at));
        at = end + 1;
        if (words.empty() || words[0] == "ply" || words[0] == "comment" || words[0] == "obj_info") continue;
        if (words[0] == "end_header") {
            bodyStart = at;
        } else if (words[0] == "format" && words.size() == 3) {
            if (words[1] == "ascii") encoding = Encoding::Ascii;
            else if (words[1] == "binary_little_endian") encoding = Encoding::Little;
            else if (words[1] == "binary_big_endian") encoding = Encoding::Big;
            else return Fail(error, "unknown format " + std::string(words[1]));
            formatSeen = true;
        } else if (words[0] == "element" && words.size() == 3) {
            Element element;
            element.name = words[1];
            const auto [stop, status] = std::from_chars(words[2].data(), words[2].data() + words[2].size(), element.count);
            if (status != std::errc() || stop != words[2].data() + words[2].size()) return Fail(error, "bad element count");
            elements.push_back(std::move(element));
        } else if (words[0] == "property" && !elements.empty() && words.size() == 3) {
            Property property = TypeOf(words[1]);
            if (property.size == 0) return Fail(error, "unknown property type " + std::string(words[1]));
            property.name = words[2];
            elements.back().properties.push_back(property);
        } else if (words[0] == "property" && !elements.empty() && words.size() == 5 && words[1] == "list") {
            const Property count = TypeOf(words[2]);
            Property property = TypeOf(words[3]);
            if (count.size == 0 || count.real || property.size == 0) return Fail(error, "bad list property");
            property.list = true;
            property.countSize = count.size;
            property.name = words[4];
            elements.back().properties.push_back(property);
        } else {
            return Fail(error, "bad header line");
        }
    }
    if (!formatSeen) return Fail(error, "no format line");

    PlyMesh mesh;
    uint64_t vertexCount = 0;
    BodyReader body(bytes.subspan(bodyStart), encoding);
    for (const Element& element : elements) {
        // The last value of an ASCII file needs no separator after it.
        const uint64_t room = body.Left() + (encoding == Encoding::Ascii ? 1 : 0);
        if (element.count > room / LeastItemBytes(element, encoding)) {
            return Fail(error, "element " + element.name + " longer than the file");
        }
        const bool isVertex = element.name == "vertex";
        const bool isFace = element.name == "face";
        int axes[3] = {-1, -1, -1};
        int indexList = -1;
        for (size_t p = 0; p < element.properties.size(); ++p) {
            const Property& property = element.properties[p];
            for (int axis = 0; axis < 3; ++axis) {
                if (isVertex && !property.list && property.name == std::string(1, char('x' + axis))) axes[axis] = int(p);
            }
            if (isFace && property.list && (property.name == "vertex_indices" || property.name == "vertex_index")) {
                indexList = int(p);
            }
        }
        if (isVertex) {
            if (axes[0] < 0 || axes[1] < 0 || axes[2] < 0) return Fail(error, "vertex without x, y and z");
            vertexCount = element.count;
            mesh.vertices.reserve(size_t(element.count) * 3);
        }
        if (isFace && indexList < 0) return Fail(error, "face without vertex indices");
        std::vector<uint32_t> corners;
        for (uint64_t item = 0; item < element.count; ++item) {
            float xyz[3] = {0, 0, 0};
            for (size_t p = 0; p < element.properties.size(); ++p) {
                const Property& property = element.properties[p];
                double value = 0;
                if (!property.list) {
                    if (!body.Read(property, property.size, &value)) return Fail(error, "body cut short or damaged");
                    for (int axis = 0; axis < 3; ++axis) {
                        if (axes[axis] == int(p)) {
                            if (!std::isfinite(value) || std::fabs(value) > 1e30) return Fail(error, "coordinate out of range");
                            xyz[axis] = float(value);
                        }
                    }
                    continue;
                }
                Property countType;
                countType.isSigned = true;
                double count = 0;
                if (!body.Read(countType, property.countSize, &count) || count < 0 ||
                    count > double(body.Left())) {
                    return Fail(error, "bad list length");
                }
                corners.clear();
                for (int k = 0; k < int(count); ++k) {
                    if (!body.Read(property, property.size, &value)) return Fail(error, "body cut short or damaged");
                    if (int(p) == indexList) {
                        if (value < 0 || value > double(UINT32_MAX)) return Fail(error, "vertex index out of range");
                        corners.push_back(uint32_t(value));
                    }
                }
                for (size_t k = 2; int(p) == indexList && k < corners.size(); ++k) {
                    mesh.triangles.insert(mesh.triangles.end(), {corners[0], corners[k - 1], corners[k]});
                }
            }
            if (isVertex) mesh.vertices.insert(mesh.vertices.end(), {xyz[0], xyz[1], xyz[2]});
        }
    }
    if (mesh.triangles.empty()) return Fail(error, "no triangles");
    for (const uint32_t index : mesh.triangles) {
        if (index >= vertexCount) return Fail(error, "vertex index out of range");
    }
    return mesh;
}

std::string WritePlyMesh(const PlyMesh& mesh) {
    std::string out = "ply\nformat ascii 1.0\nelement vertex " + std::to_string(mesh.vertices.size() / 3) +
                      "\nproperty float x\nproperty float y\nproperty float z\nelement face " +
                      std::to_string(mesh.triangles.size() / 3) +
                      "\nproperty list uchar uint vertex_indices\nend_header\n";
    char line[160];
    for (size_t i = 0; i + 2 < mesh.vertices.size(); i += 3) {
        std::snprintf(line, sizeof line, "%.9g %.9g %.9g\n", mesh.vertices[i], mesh.vertices[i + 1],
                      mesh.vertices[i + 2]);
        out += line;
    }
    for (size_t i = 0; i + 2 < mesh.triangles.size(); i += 3) {
        std::snprintf(line, sizeof line, "3 %u %u %u\n", mesh.triangles[i], mesh.triangles[i + 1],
                      mesh.triangles[i + 2]);
        out += line;
    }
    return out;
}

}  // namespace formats
