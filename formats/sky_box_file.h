// ".sky" sky boxes: a small text file naming the six face pictures of the box round the world.
//
// One face a line, "<face> <picture>", faces in any order, each exactly once:
//   right (+x), left (-x), top (+y), bottom (-y), front (+z), back (-z)
// The picture is a program path relative to the folder of the ".sky" file
// ("sky_front.png", "faces\\top.jpg"); it runs to the end of the line and may hold
// spaces. Blank lines and lines starting with '#' are ignored; so are spaces and
// tabs around words and a carriage return before the line end.
// Each face is seen from inside the box as a viewer facing front (+z) sees it
// after turning: the four side faces upright (picture top towards +y); the top
// face by looking up, so its bottom edge meets the front face's top edge; the
// bottom face by looking down, so its top edge meets the front face's bottom edge.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace formats {

enum SkyFace { kSkyRight, kSkyLeft, kSkyTop, kSkyBottom, kSkyFront, kSkyBack, kSkyFaceCount };

struct SkyBoxFile {
    std::array<std::string, kSkyFaceCount> faces;  // indexed by SkyFace
};

// The face's keyword: "right", "left", "top", "bottom", "front", "back".
const char* SkyFaceName(SkyFace face);

// Parses a ".sky" text. Gives nothing, with the reason in *error (when given),
// for an unknown keyword, a face without a picture, a face named twice or missing,
// or a zero byte in the text.
std::optional<SkyBoxFile> ReadSkyBox(std::string_view text, std::string* error = nullptr);

// Writes the six lines in SkyFace order; ReadSkyBox gives the same faces back as long
// as no picture name is empty, has a line break, or starts or ends with a space.
std::string WriteSkyBox(const SkyBoxFile& sky);

}  // namespace formats
