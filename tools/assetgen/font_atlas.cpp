// The game's bitmap font "data\_fontg\Palatino Linotype.wid", rendered from the
// bold face of the FontSet's free serif (TeX Gyre Pagella, a Palatino-like face; see
// FONT-LICENSE.txt beside this file).
//
// The game places its texts by counting characters: banners and dialog lines start
// where a line of equally wide letters would be centred, the name field is centred
// at -0.25 x length at size 0.5, the HUD right-aligns its score at 0.35 per digit.
// So the font is a fixed-cell face (font_metrics.h): letters share one wide cell,
// digits, the minus and the word space a half-em cell, the small stops a narrower
// one; each glyph is centred in its cell, widened or condensed to sit well in it.
// Glyphs are drawn kGlyphScale times the face's own size and a little heavier so the
// HUD's small numbers stay legible, with a thin dark rim that keeps yellow and orange
// texts readable over the light table and the dark HUD boxes alike.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include <ft2build.h>
#include FT_OUTLINE_H

#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include "formats/wid_font.h"
#include "tools/assetgen/font_metrics.h"
#include "tools/assetgen/generators.h"

namespace assetgen {

namespace {

constexpr int kAtlasWidth = 1024;
// Space around every glyph in the atlas: the HUD draws the atlas shrunk five times,
// from its third mip level, where 8 atlas pixels make one; less space would let a
// neighbour's ink bleed in.
constexpr int kPadding = 16;
// Glyph shaping at the drawing size, in atlas pixels and shares: every outline is
// thickened a little (the HUD's numbers are small), then widened towards filling
// kFillShare of its cell, by at most kMaxWiden, or condensed so that it reaches at
// most kOverhangEm past either side of the cell.
constexpr int kEmboldenPixels = 2;
constexpr double kFillShare = 0.8;
constexpr double kMaxWiden = 1.3;

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

// One glyph's fill and rim coverage (0..255 each), its box including the rim, and
// the top of its ink above the baseline, in atlas pixels.
struct RenderedGlyph {
    bool present = false;
    int width = 0, height = 0, top = 0;
    std::vector<uint8_t> fill, rim;
};

// The rim: coverage grown by kRimPixels, with a soft outer edge one pixel wide.
std::vector<uint8_t> GrowRim(const std::vector<uint8_t>& fill, int width, int height) {
    constexpr int r = kRimPixels + 1;
    std::vector<uint8_t> rim(fill.size(), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double best = 0;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= width || sy >= height) continue;
                    const double reach = std::clamp(r - std::hypot(dx, dy), 0.0, 1.0);
                    best = std::max(best, reach * fill[static_cast<size_t>(sy) * width + sx]);
                }
            }
            rim[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(std::lround(best));
        }
    }
    return rim;
}

RenderedGlyph Render(FT_Face face, unsigned codePoint, double cellPixels) {
    RenderedGlyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0) return glyph;
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING) != 0) return glyph;
    const FT_GlyphSlot slot = face->glyph;
    glyph.present = true;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE || slot->outline.n_points == 0) return glyph;
    FT_Outline_EmboldenXY(&slot->outline, kEmboldenPixels * 64, kEmboldenPixels * 64);
    FT_BBox box;
    FT_Outline_Get_CBox(&slot->outline, &box);
    const double inkWidth = std::max((box.xMax - box.xMin) / 64.0, 1.0);
    const double widen = std::clamp(kFillShare * cellPixels / inkWidth, 1.0, kMaxWiden);
    const double stretch = std::min(widen, (cellPixels + 2 * kOverhangEm * kEmPixels) / inkWidth);
    const FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(65536.0 * stretch)), 0, 0, 0x10000};
    FT_Outline_Transform(&slot->outline, &matrix);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || slot->bitmap.width == 0) return glyph;
    const int inkW = static_cast<int>(slot->bitmap.width), inkH = static_cast<int>(slot->bitmap.rows);
    glyph.width = inkW + 2 * (kRimPixels + 1);
    glyph.height = inkH + 2 * (kRimPixels + 1);
    glyph.top = slot->bitmap_top + kRimPixels + 1;
    glyph.fill.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
    for (int y = 0; y < inkH; ++y) {
        std::memcpy(&glyph.fill[static_cast<size_t>(y + kRimPixels + 1) * glyph.width + kRimPixels + 1],
                    slot->bitmap.buffer + y * slot->bitmap.pitch, inkW);
    }
    glyph.rim = GrowRim(glyph.fill, glyph.width, glyph.height);
    return glyph;
}

// An atlas pixel, not premultiplied: white where the glyph is filled, black in the
// rim, alpha the two together. Empty pixels are black too, so the filtered, shrunk
// atlas fades the rim into nothing without greying the fill.
void PutPixel(std::vector<uint8_t>& rgba, size_t at, uint8_t fill, uint8_t rim) {
    const double f = fill / 255.0, alpha = f + (1 - f) * (rim / 255.0);
    const auto white = static_cast<uint8_t>(alpha > 0 ? std::lround(255 * f / alpha) : 0);
    rgba[at] = rgba[at + 1] = rgba[at + 2] = white;
    rgba[at + 3] = static_cast<uint8_t>(std::lround(255 * alpha));
}

void AppendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

void GenerateFont(GeneratorContext& context) {
    FT_Face face = context.fonts.BoldFace();
    const auto drawPixels = static_cast<FT_UInt>(std::lround(kEmPixels * kGlyphScale));
    if (FT_Set_Pixel_Sizes(face, 0, drawPixels) != 0) {
        throw std::runtime_error("cannot size the font " + context.fonts.BoldFile());
    }
    std::vector<RenderedGlyph> glyphs(256);
    for (int code = 0; code < 256; ++code) {
        const unsigned codePoint = CodePointOf(code);
        if (codePoint != 0) glyphs[code] = Render(face, codePoint, AdvanceEm(static_cast<char>(code)) * kEmPixels);
    }
    if (glyphs['H'].width == 0 || glyphs['0'].width == 0) {
        throw std::runtime_error("the font " + context.fonts.BoldFile() + " lacks basic letters");
    }
    // The capitals' middle goes on the em box's middle, the line middle iPrint places by.
    const int capHeight = glyphs['H'].top - kRimPixels - 1;
    const int baseline = static_cast<int>(std::lround(kEmPixels / 2.0 + capHeight / 2.0));

    // Shelf packing, in code order.
    formats::WidFont font;
    font.emPixels = kEmPixels;
    int penX = kPadding, penY = kPadding, shelf = 0;
    for (int code = 0; code < 256; ++code) {
        const RenderedGlyph& g = glyphs[code];
        formats::WidGlyph& out = font.glyphs[code];
        if (!g.present) continue;
        out.advance = static_cast<float>(AdvanceEm(static_cast<char>(code)) * kEmPixels);
        if (g.width == 0) continue;
        if (penX + g.width + kPadding > kAtlasWidth) {
            penX = kPadding;
            penY += shelf + kPadding;
            shelf = 0;
        }
        out.x = static_cast<uint16_t>(penX);
        out.y = static_cast<uint16_t>(penY);
        out.width = static_cast<uint16_t>(g.width);
        out.height = static_cast<uint16_t>(g.height);
        out.offsetX = static_cast<int16_t>(std::lround((out.advance - g.width) / 2.0));
        out.offsetY = static_cast<int16_t>(baseline - g.top);
        penX += g.width + kPadding;
        shelf = std::max(shelf, g.height);
    }
    int atlasHeight = 1;
    while (atlasHeight < penY + shelf + kPadding) atlasHeight *= 2;
    std::vector<uint8_t> rgba(static_cast<size_t>(kAtlasWidth) * atlasHeight * 4, 0);
    for (int code = 0; code < 256; ++code) {
        const RenderedGlyph& g = glyphs[code];
        const formats::WidGlyph& place = font.glyphs[code];
        for (int y = 0; y < place.height; ++y) {
            for (int x = 0; x < place.width; ++x) {
                const size_t from = static_cast<size_t>(y) * g.width + x;
                PutPixel(rgba, (static_cast<size_t>(place.y + y) * kAtlasWidth + place.x + x) * 4, g.fill[from],
                         g.rim[from]);
            }
        }
    }
    if (!stbi_write_png_to_func(AppendBytes, &font.atlasPng, kAtlasWidth, atlasHeight, 4, rgba.data(),
                                kAtlasWidth * 4)) {
        throw std::runtime_error("cannot encode the font atlas");
    }
    Canvas preview(kAtlasWidth, atlasHeight);
    cairo_surface_flush(preview.Surface());
    unsigned char* pixels = cairo_image_surface_get_data(preview.Surface());
    const int stride = cairo_image_surface_get_stride(preview.Surface());
    for (int y = 0; y < atlasHeight; ++y) {
        for (int x = 0; x < kAtlasWidth; ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * kAtlasWidth + x) * 4];
            const uint32_t a = p[3], c = p[0] * a / 255;
            const uint32_t pixel = a << 24 | c << 16 | c << 8 | c;
            std::memcpy(pixels + y * stride + x * 4, &pixel, 4);
        }
    }
    cairo_surface_mark_dirty(preview.Surface());
    context.preview.Add("Font", "Palatino Linotype.wid atlas", preview);
    context.out.Write("data/_fontg/Palatino Linotype.wid", formats::WriteWidFont(font));
}

}  // namespace assetgen
