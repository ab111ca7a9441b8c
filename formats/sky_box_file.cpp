// Reader and writer of ".sky" sky box descriptions.
#include "formats/sky_box_file.h"

namespace formats {
namespace {

constexpr const char* kFaceNames[kSkyFaceCount] = {"right", "left", "top", "bottom", "front", "back"};

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t\r";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const size_t last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

std::optional<SkyBoxFile> Fail(std::string* error, std::string reason) {
    if (error) *error = std::move(reason);
    return std::nullopt;
}

}  // namespace

const char* SkyFaceName(SkyFace face) {
    return face >= 0 && face < kSkyFaceCount ? kFaceNames[face] : "";
}

std::optional<SkyBoxFile> ReadSkyBox(std::string_view text, std::string* error) {
    if (text.find('\0') != std::string_view::npos) return Fail(error, "not a text file");
    SkyBoxFile sky;
    std::array<bool, kSkyFaceCount> seen{};
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const size_t split = line.find_first_of(" \t");
        const std::string_view keyword = line.substr(0, split);
        const std::string_view picture =
            split == std::string_view::npos ? std::string_view{} : Trim(line.substr(split));
        int face = 0;
        while (face < kSkyFaceCount && keyword != kFaceNames[face]) ++face;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (face == kSkyFaceCount) return Fail(error, where + "unknown face \"" + std::string(keyword) + "\"");
        if (picture.empty()) return Fail(error, where + "face without a picture");
        if (seen[face]) return Fail(error, where + "face named twice");
        seen[face] = true;
        sky.faces[face] = std::string(picture);
    }
    for (int face = 0; face < kSkyFaceCount; ++face) {
        if (!seen[face]) return Fail(error, std::string("missing face ") + kFaceNames[face]);
    }
    return sky;
}

std::string WriteSkyBox(const SkyBoxFile& sky) {
    std::string out = "# Sky box: six face pictures, relative to this file's folder\n";
    for (int face = 0; face < kSkyFaceCount; ++face) {
        out += kFaceNames[face];
        out += ' ';
        out += sky.faces[face];
        out += '\n';
    }
    return out;
}

}  // namespace formats
