// Reader and writer of ".wid" bitmap fonts.
#include "formats/wid_font.h"

#include <cmath>
#include <cstring>

namespace formats {
namespace {

constexpr char kTag[4] = {'P', 'W', 'I', 'D'};
constexpr uint32_t kMaxEmPixels = 4096;

uint32_t GetU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t GetU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
void PutU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

std::optional<WidFont> Fail(std::string* error, const char* reason) {
    if (error) *error = reason;
    return std::nullopt;
}

}  // namespace

std::optional<WidFont> ReadWidFont(std::span<const uint8_t> bytes, std::string* error) {
    const size_t tableEnd = kWidHeaderSize + 256 * kWidGlyphRecordSize;
    if (bytes.size() < kWidHeaderSize) return Fail(error, "file too short for a font header");
    if (std::memcmp(bytes.data(), kTag, 4) != 0) return Fail(error, "not a .wid font");
    if (GetU32(bytes.data() + 4) != kWidVersion) return Fail(error, "unknown .wid version");
    WidFont font;
    font.emPixels = GetU32(bytes.data() + 8);
    if (font.emPixels == 0 || font.emPixels > kMaxEmPixels) return Fail(error, "em size out of range");
    if (bytes.size() < tableEnd + 4) return Fail(error, "glyph table truncated");
    for (size_t c = 0; c < 256; ++c) {
        const uint8_t* p = bytes.data() + kWidHeaderSize + c * kWidGlyphRecordSize;
        WidGlyph& g = font.glyphs[c];
        g.x = GetU16(p);
        g.y = GetU16(p + 2);
        g.width = GetU16(p + 4);
        g.height = GetU16(p + 6);
        g.offsetX = int16_t(GetU16(p + 8));
        g.offsetY = int16_t(GetU16(p + 10));
        uint32_t bits = GetU32(p + 12);
        std::memcpy(&g.advance, &bits, 4);
        if (!std::isfinite(g.advance) || g.advance < 0) return Fail(error, "bad glyph advance");
    }
    const uint32_t atlasSize = GetU32(bytes.data() + tableEnd);
    if (atlasSize > bytes.size() - tableEnd - 4) return Fail(error, "atlas image truncated");
    const uint8_t* atlas = bytes.data() + tableEnd + 4;
    font.atlasPng.assign(atlas, atlas + atlasSize);
    return font;
}

std::vector<uint8_t> WriteWidFont(const WidFont& font) {
    std::vector<uint8_t> out;
    out.reserve(kWidHeaderSize + 256 * kWidGlyphRecordSize + 4 + font.atlasPng.size());
    out.insert(out.end(), kTag, kTag + 4);
    PutU32(out, kWidVersion);
    PutU32(out, font.emPixels);
    for (const WidGlyph& g : font.glyphs) {
        PutU16(out, g.x);
        PutU16(out, g.y);
        PutU16(out, g.width);
        PutU16(out, g.height);
        PutU16(out, uint16_t(g.offsetX));
        PutU16(out, uint16_t(g.offsetY));
        uint32_t bits;
        std::memcpy(&bits, &g.advance, 4);
        PutU32(out, bits);
    }
    PutU32(out, uint32_t(font.atlasPng.size()));
    out.insert(out.end(), font.atlasPng.begin(), font.atlasPng.end());
    return out;
}

}  // namespace formats
