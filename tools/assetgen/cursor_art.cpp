// data/Cursor.dat: ten frames of the animated mouse pointer.
#include <cmath>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/pack_builder.h"
#include "tools/assetgen/theme.h"

namespace assetgen {

namespace {

// The cursor sprite covers 2.4 x 2.0 overlay units and is drawn centred 0.7 right
// of and 0.4 below the pointer, so the pointer is 0.5 units from the picture's
// left edge and 0.6 from its top: pixel (25, 30) at 50 pixels a unit.
constexpr int kWidth = 120;
constexpr int kHeight = 100;
constexpr double kTipX = 25;
constexpr double kTipY = 30;

void ArrowPath(cairo_t* cr) {
    cairo_move_to(cr, kTipX, kTipY);
    cairo_line_to(cr, kTipX + 4, kTipY + 52);
    cairo_line_to(cr, kTipX + 16, kTipY + 40);
    cairo_line_to(cr, kTipX + 27, kTipY + 62);
    cairo_line_to(cr, kTipX + 37, kTipY + 57);
    cairo_line_to(cr, kTipX + 26, kTipY + 36);
    cairo_line_to(cr, kTipX + 43, kTipY + 34);
    cairo_close_path(cr);
}

// Frame 0..9: a shine sweeps down the red arrow and a little wheel at its tail turns.
void PaintFrame(const Canvas& canvas, int frame) {
    cairo_t* cr = canvas.Cr();
    const double phase = frame / 10.0;
    cairo_save(cr);
    cairo_translate(cr, 3, 4);
    ArrowPath(cr);
    canvas.SetColor({0, 0, 0, 0.3});
    cairo_fill(cr);
    cairo_restore(cr);
    ArrowPath(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(kTipX, kTipY, kTipX + 35, kTipY + 60);
    const Rgba light = theme::kRed.Lighter(0.3);
    const Rgba dark = theme::kRed.Darker(0.15);
    cairo_pattern_add_color_stop_rgb(body, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(body, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    const double sweep = -20 + phase * 100;
    cairo_move_to(cr, kTipX - 20, kTipY + sweep);
    cairo_line_to(cr, kTipX + 60, kTipY + sweep - 30);
    cairo_line_to(cr, kTipX + 60, kTipY + sweep - 18);
    cairo_line_to(cr, kTipX - 20, kTipY + sweep + 12);
    cairo_close_path(cr);
    canvas.SetColor({1, 1, 0.85, 0.55});
    cairo_fill(cr);
    cairo_restore(cr);
    canvas.SetColor(theme::kCream);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke_preserve(cr);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    const double wheelX = kTipX + 52, wheelY = kTipY + 56, radius = 11;
    cairo_arc(cr, wheelX, wheelY, radius, 0, 2 * M_PI);
    canvas.SetColor(Hex(0x22222A));
    cairo_fill(cr);
    cairo_arc(cr, wheelX, wheelY, radius * 0.55, 0, 2 * M_PI);
    canvas.SetColor(theme::kYellow);
    cairo_fill(cr);
    for (int spoke = 0; spoke < 3; ++spoke) {
        const double angle = phase * 2 * M_PI / 3 + spoke * 2 * M_PI / 3;
        cairo_move_to(cr, wheelX, wheelY);
        cairo_line_to(cr, wheelX + std::cos(angle) * radius * 0.55, wheelY + std::sin(angle) * radius * 0.55);
    }
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

}  // namespace

void GenerateCursorPack(GeneratorContext& context) {
    PackBuilder pack("data/Cursor.dat");
    for (int frame = 0; frame < 10; ++frame) {
        Canvas canvas(kWidth, kHeight);
        PaintFrame(canvas, frame);
        pack.Set(context, frame, canvas);
    }
    pack.Write(context);
}

}  // namespace assetgen
