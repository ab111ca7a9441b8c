// ".wid" bitmap fonts: a glyph atlas picture plus each character's place in it and its advance.
//
// Layout, integers little-endian:
//   bytes 0..3    "PWID"
//   bytes 4..7    version, uint32 = 1
//   bytes 8..11   em size in atlas pixels, uint32 (1..4096)
//   bytes 12..    256 glyph records of 16 bytes, character codes 0..255 in order:
//                   uint16 x, y, width, height  the glyph's rectangle in the atlas, pixels
//                                              from the atlas's top-left corner
//                   int16 offsetX, offsetY     where the rectangle's top-left goes, pixels
//                                              right of the pen and down from the em box top
//                   float32 advance            how far the pen moves on, pixels
//   then          atlas size in bytes, uint32, followed by that many bytes of a PNG image
// A glyph of width or height 0 draws nothing but still advances. The em box is emPixels
// tall; the text's line middle is the middle of the em box.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace formats {

inline constexpr uint32_t kWidVersion = 1;
inline constexpr size_t kWidGlyphRecordSize = 16;
inline constexpr size_t kWidHeaderSize = 12;

struct WidGlyph {
    uint16_t x = 0, y = 0, width = 0, height = 0;
    int16_t offsetX = 0, offsetY = 0;
    float advance = 0;
};

struct WidFont {
    uint32_t emPixels = 0;
    std::array<WidGlyph, 256> glyphs{};
    std::vector<uint8_t> atlasPng;  // the whole PNG file of the atlas
};

// Decodes a whole ".wid" file. Gives nothing, with the reason in *error (when
// given), for a wrong tag or version, a truncated file, an em size out of range
// or a non-finite or negative advance. The atlas bytes are copied, not checked.
std::optional<WidFont> ReadWidFont(std::span<const uint8_t> bytes, std::string* error = nullptr);

// Encodes a font; ReadWidFont(WriteWidFont(f)) gives f back.
std::vector<uint8_t> WriteWidFont(const WidFont& font);

}  // namespace formats
