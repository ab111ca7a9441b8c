// Coin tokens, heart, swapped arrows and lightning bolt.
#include "tools/assetgen/pickup_icons.h"

#include <cmath>

#include "tools/assetgen/theme.h"

namespace assetgen {

namespace {

void Coin(const Canvas& canvas, const FontSet& fonts, double cx, double cy, double size, const Rgba& colour,
          const char* text) {
    cairo_t* cr = canvas.Cr();
    cairo_arc(cr, cx, cy, size / 2, 0, 2 * M_PI);
    canvas.SetColor(colour.Darker(0.35));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy - size * 0.03, size * 0.45, 0, 2 * M_PI);
    canvas.SetColor(colour);
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, std::max(1.5, size * 0.04));
    cairo_stroke(cr);
    TextStyle style{fonts.Bold(), size * 0.42, theme::kCream};
    style.outline = colour.Darker(0.5);
    style.outlineWidth = size * 0.04;
    style.size = canvas.FitSize(text, style, size * 0.75);
    canvas.Text(text, cx, cy - size * 0.03, style);
}

void HeartPath(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx, cy + s * 0.42);
    cairo_curve_to(cr, cx - s * 0.6, cy, cx - s * 0.5, cy - s * 0.5, cx, cy - s * 0.2);
    cairo_curve_to(cr, cx + s * 0.5, cy - s * 0.5, cx + s * 0.6, cy, cx, cy + s * 0.42);
    cairo_close_path(cr);
}

void BoltPath(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx + s * 0.08, cy - s * 0.48);
    cairo_line_to(cr, cx - s * 0.28, cy + s * 0.06);
    cairo_line_to(cr, cx - s * 0.02, cy + s * 0.06);
    cairo_line_to(cr, cx - s * 0.12, cy + s * 0.48);
    cairo_line_to(cr, cx + s * 0.3, cy - s * 0.1);
    cairo_line_to(cr, cx + s * 0.04, cy - s * 0.1);
    cairo_close_path(cr);
}

void Arrow(cairo_t* cr, double x0, double x1, double y, double s) {
    const double dir = x1 > x0 ? 1 : -1;
    cairo_move_to(cr, x0, y - s * 0.06);
    cairo_line_to(cr, x1 - dir * s * 0.14, y - s * 0.06);
    cairo_line_to(cr, x1 - dir * s * 0.14, y - s * 0.16);
    cairo_line_to(cr, x1, y);
    cairo_line_to(cr, x1 - dir * s * 0.14, y + s * 0.16);
    cairo_line_to(cr, x1 - dir * s * 0.14, y + s * 0.06);
    cairo_line_to(cr, x0, y + s * 0.06);
    cairo_close_path(cr);
}

}  // namespace

void PaintPickupIcon(const Canvas& canvas, const FontSet& fonts, int kind, double cx, double cy,
                     double size) {
    cairo_t* cr = canvas.Cr();
    const double line = std::max(1.5, size * 0.04);
    switch (kind) {
        case 1:
            Coin(canvas, fonts, cx, cy, size, theme::kBlue, "50");
            break;
        case 2:
            Coin(canvas, fonts, cx, cy, size, Hex(0xE0A800), "100");
            break;
        case 3:
            HeartPath(cr, cx, cy, size);
            canvas.SetColor(theme::kRed);
            cairo_fill_preserve(cr);
            canvas.SetColor(theme::kInk);
            cairo_set_line_width(cr, line);
            cairo_stroke(cr);
            cairo_arc(cr, cx - size * 0.17, cy - size * 0.14, size * 0.07, 0, 2 * M_PI);
            canvas.SetColor({1, 1, 1, 0.6});
            cairo_fill(cr);
            break;
        case 4:
            Arrow(cr, cx - size * 0.4, cx + size * 0.4, cy - size * 0.16, size);
            canvas.SetColor(Hex(0x9B4DDB));
            cairo_fill_preserve(cr);
            canvas.SetColor(theme::kInk);
            cairo_set_line_width(cr, line);
            cairo_stroke(cr);
            Arrow(cr, cx + size * 0.4, cx - size * 0.4, cy + size * 0.16, size);
            canvas.SetColor(theme::kGreen);
            cairo_fill_preserve(cr);
            canvas.SetColor(theme::kInk);
            cairo_stroke(cr);
            break;
        default:
            BoltPath(cr, cx, cy, size);
            canvas.SetColor(theme::kYellow);
            cairo_fill_preserve(cr);
            canvas.SetColor(theme::kOrange.Darker(0.3));
            cairo_set_line_width(cr, line * 1.3);
            cairo_stroke(cr);
            break;
    }
}

}  // namespace assetgen
