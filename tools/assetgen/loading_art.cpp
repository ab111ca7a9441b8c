// data/Loading.dat: the ten progress bar pictures and the loading background.
#include <cmath>
#include <string>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/pack_builder.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

namespace {

// The bar sprite covers 21 x 1.8 overlay units; 32 pixels a unit.
constexpr int kBarWidth = 672;
constexpr int kBarHeight = 58;

// A road-shaped bar filled up to percent, a little car at the front of the fill.
void PaintProgressBar(const Canvas& canvas, const FontSet& fonts, int percent) {
    cairo_t* cr = canvas.Cr();
    const double w = kBarWidth, h = kBarHeight;
    const double inset = 10;
    canvas.RoundedRect(2, 4, w - 4, h - 8, (h - 8) / 2);
    canvas.SetColor(theme::kInk);
    cairo_fill(cr);
    canvas.RoundedRect(6, 8, w - 12, h - 16, (h - 16) / 2);
    canvas.SetColor(theme::kRoad);
    cairo_fill(cr);
    const double dash[2] = {14, 12};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, inset + 10, h / 2);
    cairo_line_to(cr, w - inset - 10, h / 2);
    canvas.SetColor(theme::kCream.WithAlpha(0.5));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    const double fillWidth = (w - 2 * inset) * percent / 100.0;
    canvas.RoundedRect(inset, 11, fillWidth, h - 22, (h - 22) / 2);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 11, 0, h - 11);
    cairo_pattern_add_color_stop_rgb(fill, 0, 1.0, 0.93, 0.55);
    cairo_pattern_add_color_stop_rgb(fill, 0.5, theme::kYellow.r, theme::kYellow.g, theme::kYellow.b);
    cairo_pattern_add_color_stop_rgb(fill, 1, theme::kOrange.r, theme::kOrange.g, theme::kOrange.b);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    PaintChequer(canvas, w - inset - 24, 11, 16, h - 22, 2, 4);
    const double carX = std::max(inset + 30.0, inset + fillWidth - 22);
    PaintToyCar(canvas, carX, h / 2 - 2, 46, theme::kRed);
    // The figure sits in the longer stretch beside the car, clear of it.
    TextStyle style{fonts.Bold(), 24, theme::kCream};
    style.outline = theme::kInk;
    style.outlineWidth = 2.5;
    const double left = inset + 8, right = w - inset - 30;
    const double textX = carX - left > right - carX ? (left + carX - 30) / 2 : (carX + 30 + right) / 2;
    canvas.Text(std::to_string(percent) + " %", textX, h / 2, style);
}

}  // namespace

void GenerateLoadingPack(GeneratorContext& context) {
    PackBuilder pack("data/Loading.dat");
    for (int step = 0; step < 10; ++step) {
        Canvas bar(kBarWidth, kBarHeight);
        PaintProgressBar(bar, context.fonts, (step + 1) * 10);
        pack.Set(context, step, bar);
    }
    Canvas background(1024, 768);
    PaintTableScene(background, context.fonts, true);
    TextStyle subtitle{context.fonts.Bold(), 34, theme::kCream};
    subtitle.outline = theme::kInk;
    subtitle.outlineWidth = 3;
    background.Text("Getting the toy cars ready...", 460, 210, subtitle);
    pack.Set(context, 10, background, 90);
    pack.Write(context);
}

}  // namespace assetgen
