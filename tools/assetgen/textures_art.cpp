// The textures the models name (palette, wood, road, kerb, start line) and the
// two DDS pictures of trails and particles.
#include <cmath>
#include <cstring>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/palette.h"
#include "tools/assetgen/random.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

namespace {

// An uncompressed 32-bit DDS (BGRA with alpha, no mipmaps) of a canvas.
Bytes EncodeDds(const Canvas& canvas) {
    const uint32_t w = canvas.Width(), h = canvas.Height();
    Bytes out = {'D', 'D', 'S', ' '};
    out.reserve(128 + 4 * w * h);
    auto u32 = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    u32(124);                             // header size
    u32(0x1 | 0x2 | 0x4 | 0x8 | 0x1000);  // caps, height, width, pitch, pixel format
    u32(h);
    u32(w);
    u32(w * 4);  // pitch
    u32(0);      // depth
    u32(0);      // mipmap count
    for (int i = 0; i < 11; ++i) u32(0);
    u32(32);          // pixel format size
    u32(0x41);        // RGB with alpha
    u32(0);           // no FourCC
    u32(32);          // bits per pixel
    u32(0x00FF0000);  // red mask
    u32(0x0000FF00);  // green mask
    u32(0x000000FF);  // blue mask
    u32(0xFF000000);  // alpha mask
    u32(0x1000);      // caps: texture
    for (int i = 0; i < 4; ++i) u32(0);
    cairo_surface_flush(canvas.Surface());
    const unsigned char* pixels = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            uint32_t pixel;
            std::memcpy(&pixel, pixels + y * stride + x * 4, 4);
            const uint32_t a = pixel >> 24;
            auto unpremultiply = [a](uint32_t c) { return a ? std::min<uint32_t>(255, c * 255 / a) : 0; };
            out.push_back(static_cast<uint8_t>(unpremultiply(pixel & 255)));
            out.push_back(static_cast<uint8_t>(unpremultiply((pixel >> 8) & 255)));
            out.push_back(static_cast<uint8_t>(unpremultiply((pixel >> 16) & 255)));
            out.push_back(static_cast<uint8_t>(a));
        }
    }
    return out;
}

void Write(GeneratorContext& context, const std::string& path, const Canvas& canvas) {
    context.out.Write(path, canvas.EncodePng());
    context.preview.Add("Textures", path.substr(5), canvas);
}

}  // namespace

void GenerateTextures(GeneratorContext& context) {
    {
        Canvas palette(256, 256);
        for (int s = 0; s < 256; ++s) {
            cairo_rectangle(palette.Cr(), (s % 16) * 16, (s / 16) * 16, 16, 16);
            palette.SetColor(s < kSwatchCount ? SwatchColour(s) : Hex(0xFFFFFF));
            cairo_fill(palette.Cr());
        }
        Write(context, "data/palette.png", palette);
    }
    {
        Canvas wood(512, 512);
        PaintWood(wood, 0, 0, 512, 512, 3);
        Write(context, "data/wood.png", wood);
    }
    {
        // Across the road is u (0 left edge .. 1 right edge), along it v.
        Canvas road(128, 256);
        cairo_t* cr = road.Cr();
        road.SetColor(theme::kRoad);
        cairo_paint(cr);
        Random random(11);
        for (int speck = 0; speck < 900; ++speck) {
            cairo_rectangle(cr, random.Range(0, 128), random.Range(0, 256), 1.5, 1.5);
            road.SetColor(random.Unit() < 0.5 ? Rgba{1, 1, 1, 0.08} : Rgba{0, 0, 0, 0.12});
            cairo_fill(cr);
        }
        cairo_rectangle(cr, 61, 40, 6, 90);
        road.SetColor(theme::kYellow.Lighter(0.3));
        cairo_fill(cr);
        for (double x : {6.0, 118.0}) {
            cairo_rectangle(cr, x, 0, 4, 256);
            road.SetColor(theme::kCream.WithAlpha(0.85));
            cairo_fill(cr);
        }
        Write(context, "data/road.png", road);
    }
    {
        Canvas kerb(64, 64);
        for (int i = 0; i < 4; ++i) {
            cairo_rectangle(kerb.Cr(), 0, i * 16, 64, 16);
            kerb.SetColor(i % 2 ? theme::kCream : theme::kRed);
            cairo_fill(kerb.Cr());
        }
        Write(context, "data/kerb.png", kerb);
    }
    {
        Canvas checker(64, 64);
        PaintChequer(checker, 0, 0, 64, 64, 4, 4);
        Write(context, "data/checker.png", checker);
    }
    {
        // A soft streak, white: the engine tints it with the trail's colour.
        Canvas trail(64, 64);
        cairo_pattern_t* across = cairo_pattern_create_linear(0, 0, 64, 0);
        cairo_pattern_add_color_stop_rgba(across, 0, 1, 1, 1, 0);
        cairo_pattern_add_color_stop_rgba(across, 0.5, 1, 1, 1, 0.9);
        cairo_pattern_add_color_stop_rgba(across, 1, 1, 1, 1, 0);
        cairo_set_source(trail.Cr(), across);
        cairo_paint(trail.Cr());
        cairo_pattern_destroy(across);
        context.out.Write("data/trail.dds", EncodeDds(trail));
        context.preview.Add("Textures", "trail.dds", trail);
    }
    {
        Canvas clot(32, 32);
        cairo_pattern_t* puff = cairo_pattern_create_radial(16, 16, 0, 16, 16, 16);
        cairo_pattern_add_color_stop_rgba(puff, 0, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(puff, 0.5, 1, 1, 1, 0.5);
        cairo_pattern_add_color_stop_rgba(puff, 1, 1, 1, 1, 0);
        cairo_set_source(clot.Cr(), puff);
        cairo_paint(clot.Cr());
        cairo_pattern_destroy(puff);
        context.out.Write("data/particle_clot.dds", EncodeDds(clot));
        context.preview.Add("Textures", "particle_clot.dds", clot);
    }
}

}  // namespace assetgen
