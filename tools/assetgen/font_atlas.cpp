// The game's bitmap font "data\_fontg\Palatino Linotype.wid", rendered from the
// bold face of the FontSet's free serif (TeX Gyre Pagella, a Palatino-like face; see
// FONT-LICENSE.txt beside this file). The game prints its numbers at about 12 pixels
// high, where the regular face's hairlines fade to grey; the bold face stays legible.
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "formats/wid_font.h"
#include "tools/assetgen/generators.h"

namespace assetgen {

namespace {

constexpr int kEmPixels = 64;
// The baseline lies this far below the em box's top, so the box's middle (the
// line middle iPrint places text by) sits near the middle of the capitals.
constexpr int kBaseline = 52;
constexpr int kAtlasWidth = 1024;
constexpr int kPadding = 2;

// Codes 128..159 follow Windows code page 1252 (0x96 is the dash the game's mail
// subject uses); 160..255 are Latin-1. Zero: no glyph.
unsigned CodePointOf(int code) {
    static const unsigned kCp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                         0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (code < 32) return 0;
    if (code >= 128 && code < 160) return kCp1252[code - 128];
    return static_cast<unsigned>(code);
}

struct RenderedGlyph {
    int width = 0, height = 0, left = 0, top = 0;
    double advance = 0;
    std::vector<uint8_t> coverage;
};

RenderedGlyph Render(FT_Face face, unsigned codePoint) {
    RenderedGlyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0) return glyph;
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_RENDER) != 0) return glyph;
    const FT_GlyphSlot slot = face->glyph;
    glyph.advance = slot->linearHoriAdvance / 65536.0;
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.height = static_cast<int>(slot->bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        std::memcpy(&glyph.coverage[static_cast<size_t>(y) * glyph.width],
                    slot->bitmap.buffer + y * slot->bitmap.pitch, glyph.width);
    }
    return glyph;
}

}  // namespace

void GenerateFont(GeneratorContext& context) {
    FT_Face face = context.fonts.BoldFace();
    if (FT_Set_Pixel_Sizes(face, 0, kEmPixels) != 0) {
        throw std::runtime_error("cannot size the font " + context.fonts.BoldFile());
    }
    std::vector<RenderedGlyph> glyphs(256);
    for (int code = 0; code < 256; ++code) {
        const unsigned codePoint = CodePointOf(code);
        if (codePoint != 0) glyphs[code] = Render(face, codePoint);
    }
    if (glyphs['A'].width == 0 || glyphs['0'].advance <= 0) {
        throw std::runtime_error("the font " + context.fonts.BoldFile() + " lacks basic letters");
    }
    // Shelf packing, in code order.
    formats::WidFont font;
    font.emPixels = kEmPixels;
    int penX = kPadding, penY = kPadding, shelf = 0;
    for (int code = 0; code < 256; ++code) {
        RenderedGlyph& g = glyphs[code];
        formats::WidGlyph& out = font.glyphs[code];
        out.advance = static_cast<float>(g.advance);
        if (g.width == 0 || g.height == 0) continue;
        if (penX + g.width + kPadding > kAtlasWidth) {
            penX = kPadding;
            penY += shelf + kPadding;
            shelf = 0;
        }
        out.x = static_cast<uint16_t>(penX);
        out.y = static_cast<uint16_t>(penY);
        out.width = static_cast<uint16_t>(g.width);
        out.height = static_cast<uint16_t>(g.height);
        out.offsetX = static_cast<int16_t>(g.left);
        out.offsetY = static_cast<int16_t>(kBaseline - g.top);
        penX += g.width + kPadding;
        shelf = std::max(shelf, g.height);
    }
    int atlasHeight = 1;
    while (atlasHeight < penY + shelf + kPadding) atlasHeight *= 2;
    Canvas atlas(kAtlasWidth, atlasHeight);
    cairo_surface_flush(atlas.Surface());
    unsigned char* pixels = cairo_image_surface_get_data(atlas.Surface());
    const int stride = cairo_image_surface_get_stride(atlas.Surface());
    for (int code = 0; code < 256; ++code) {
        const RenderedGlyph& g = glyphs[code];
        const formats::WidGlyph& place = font.glyphs[code];
        for (int y = 0; y < place.height; ++y) {
            for (int x = 0; x < place.width; ++x) {
                const uint32_t a = g.coverage[static_cast<size_t>(y) * g.width + x];
                const uint32_t pixel = a << 24 | a << 16 | a << 8 | a;
                std::memcpy(pixels + (place.y + y) * stride + (place.x + x) * 4, &pixel, 4);
            }
        }
    }
    cairo_surface_mark_dirty(atlas.Surface());
    font.atlasPng = atlas.EncodePng();
    context.preview.Add("Font", "Palatino Linotype.wid atlas", atlas);
    context.out.Write("data/_fontg/Palatino Linotype.wid", formats::WriteWidFont(font));
}

}  // namespace assetgen
