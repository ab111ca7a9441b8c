// The shared picture motifs of the toy-box look.
#include "tools/assetgen/toy_painter.h"

#include <cmath>

#include "tools/assetgen/random.h"
#include "tools/assetgen/theme.h"

namespace assetgen {

void PaintWall(const Canvas& canvas, double x, double y, double w, double h) {
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, x, y, w, h);
    canvas.SetColor(theme::kWall);
    cairo_fill(cr);
    const double stripe = 36;
    for (double sx = x + 8; sx < x + w; sx += stripe) {
        cairo_rectangle(cr, sx, y, stripe * 0.35, h);
        canvas.SetColor(theme::kWallStripe);
        cairo_fill(cr);
        for (double sy = y + 20; sy < y + h; sy += 48) {
            cairo_arc(cr, sx + stripe * 0.675 + 2, sy + (static_cast<int>(sx) % 2) * 24, 3, 0, 2 * M_PI);
            canvas.SetColor(theme::kWallStripe.Darker(0.08));
            cairo_fill(cr);
        }
    }
    const double skirting = std::min(28.0, h * 0.12);
    cairo_rectangle(cr, x, y + h - skirting, w, skirting);
    canvas.SetColor(theme::kSkirting);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y + h - skirting, w, 3);
    canvas.SetColor(theme::kWallStripe.Darker(0.25));
    cairo_fill(cr);
}

void PaintWood(const Canvas& canvas, double x, double y, double w, double h, unsigned seed) {
    cairo_t* cr = canvas.Cr();
    Random random(seed);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_rectangle(cr, x, y, w, h);
    canvas.FillVertical(y, h, theme::kWoodLight.Lighter(0.08), theme::kWoodLight.Darker(0.1));
    const double plank = std::max(24.0, h / 6);
    for (double py = y; py < y + h; py += plank) {
        for (int line = 0; line < 9; ++line) {
            const double ly = py + random.Range(4, plank - 4);
            const double wave = random.Range(1, 4);
            const double phase = random.Range(0, 6.28);
            cairo_move_to(cr, x, ly);
            for (double lx = x; lx <= x + w; lx += 16) {
                cairo_line_to(cr, lx, ly + wave * std::sin(phase + lx / random.Range(60, 140)));
            }
            canvas.SetColor(theme::kWoodDark.WithAlpha(random.Range(0.12, 0.3)));
            cairo_set_line_width(cr, random.Range(0.8, 2.2));
            cairo_stroke(cr);
        }
        cairo_rectangle(cr, x, py + plank - 1.5, w, 1.5);
        canvas.SetColor(theme::kWoodDark.WithAlpha(0.55));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void PaintToyCar(const Canvas& canvas, double cx, double cy, double length, const Rgba& body,
                 bool facingLeft) {
    cairo_t* cr = canvas.Cr();
    const double l = length;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (facingLeft) cairo_scale(cr, -1, 1);
    // Shadow on the table.
    cairo_save(cr);
    cairo_scale(cr, 1, 0.18);
    cairo_arc(cr, 0, (0.27 * l) / 0.18, 0.55 * l, 0, 2 * M_PI);
    cairo_restore(cr);
    canvas.SetColor({0, 0, 0, 0.25});
    cairo_fill(cr);
    // Cabin with windows.
    cairo_move_to(cr, -0.28 * l, -0.1 * l);
    cairo_curve_to(cr, -0.24 * l, -0.33 * l, -0.2 * l, -0.36 * l, 0.0, -0.36 * l);
    cairo_curve_to(cr, 0.1 * l, -0.36 * l, 0.16 * l, -0.33 * l, 0.26 * l, -0.1 * l);
    cairo_close_path(cr);
    canvas.SetColor(body.Darker(0.1));
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, l * 0.018);
    cairo_stroke(cr);
    cairo_move_to(cr, -0.22 * l, -0.12 * l);
    cairo_curve_to(cr, -0.2 * l, -0.28 * l, -0.17 * l, -0.31 * l, -0.04 * l, -0.31 * l);
    cairo_line_to(cr, -0.04 * l, -0.12 * l);
    cairo_close_path(cr);
    cairo_move_to(cr, 0.01 * l, -0.12 * l);
    cairo_line_to(cr, 0.01 * l, -0.31 * l);
    cairo_curve_to(cr, 0.08 * l, -0.31 * l, 0.13 * l, -0.28 * l, 0.19 * l, -0.12 * l);
    cairo_close_path(cr);
    canvas.SetColor(theme::kSky.Lighter(0.25));
    cairo_fill(cr);
    // Body.
    canvas.RoundedRect(-0.5 * l, -0.13 * l, l, 0.3 * l, 0.12 * l);
    cairo_pattern_t* shine = cairo_pattern_create_linear(0, -0.13 * l, 0, 0.17 * l);
    const Rgba top = body.Lighter(0.35);
    const Rgba bottom = body.Darker(0.2);
    cairo_pattern_add_color_stop_rgb(shine, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(shine, 0.45, body.r, body.g, body.b);
    cairo_pattern_add_color_stop_rgb(shine, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, shine);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shine);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, l * 0.02);
    cairo_stroke(cr);
    // Racing stripe, headlight, tail light, number disc.
    cairo_rectangle(cr, -0.46 * l, -0.03 * l, 0.92 * l, 0.04 * l);
    canvas.SetColor({1, 1, 1, 0.75});
    cairo_fill(cr);
    cairo_arc(cr, 0.45 * l, -0.06 * l, 0.035 * l, 0, 2 * M_PI);
    canvas.SetColor(theme::kYellow.Lighter(0.4));
    cairo_fill(cr);
    cairo_rectangle(cr, -0.5 * l, -0.09 * l, 0.035 * l, 0.05 * l);
    canvas.SetColor(theme::kRed.Lighter(0.2));
    cairo_fill(cr);
    // Wheels.
    for (double wx : {-0.28 * l, 0.28 * l}) {
        cairo_arc(cr, wx, 0.15 * l, 0.12 * l, 0, 2 * M_PI);
        canvas.SetColor(Hex(0x22222A));
        cairo_fill_preserve(cr);
        canvas.SetColor(theme::kInk);
        cairo_set_line_width(cr, l * 0.012);
        cairo_stroke(cr);
        cairo_arc(cr, wx, 0.15 * l, 0.055 * l, 0, 2 * M_PI);
        canvas.SetColor(Hex(0xD8DCE6));
        cairo_fill(cr);
        cairo_arc(cr, wx, 0.15 * l, 0.02 * l, 0, 2 * M_PI);
        canvas.SetColor(body);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void PaintTitle(const Canvas& canvas, const FontSet& fonts, const std::string& text, double cx, double cy,
                double size) {
    TextStyle shadow{fonts.Bold(), size, {0, 0, 0, 0.35}};
    shadow.outline = {0, 0, 0, 0.35};
    shadow.outlineWidth = size * 0.09;
    canvas.Text(text, cx + size * 0.05, cy + size * 0.07, shadow);
    TextStyle style{fonts.Bold(), size, theme::kYellow};
    style.outline = theme::kRed.Darker(0.2);
    style.outlineWidth = size * 0.08;
    canvas.Text(text, cx, cy, style);
    // A lighter upper half gives the letters a plastic shine.
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_set_font_face(cr, fonts.Bold());
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_text_extents_t capitals;
    cairo_text_extents(cr, "H", &capitals);
    cairo_move_to(cr, cx - extents.x_advance / 2, cy - capitals.y_bearing / 2);
    cairo_text_path(cr, text.c_str());
    cairo_clip(cr);
    cairo_rectangle(cr, cx - extents.x_advance, cy + capitals.y_bearing / 2 - size * 0.2,
                    extents.x_advance * 2, -capitals.y_bearing * 0.5 + size * 0.2);
    canvas.SetColor({1, 1, 1, 0.35});
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintRoad(const Canvas& canvas, double x0, double y0, double x1, double y1, double x2, double y2,
               double x3, double y3, double width) {
    cairo_t* cr = canvas.Cr();
    auto path = [&] {
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
    };
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    path();
    canvas.SetColor({0, 0, 0, 0.18});
    cairo_set_line_width(cr, width * 1.22);
    cairo_stroke(cr);
    path();
    canvas.SetColor(theme::kRed);
    cairo_set_line_width(cr, width * 1.16);
    cairo_stroke(cr);
    path();
    const double dash[2] = {width * 0.25, width * 0.25};
    cairo_set_dash(cr, dash, 2, 0);
    canvas.SetColor(theme::kCream);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    path();
    canvas.SetColor(theme::kRoad);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    path();
    const double centre[2] = {width * 0.3, width * 0.3};
    cairo_set_dash(cr, centre, 2, 0);
    canvas.SetColor(theme::kYellow.Lighter(0.3));
    cairo_set_line_width(cr, std::max(1.5, width * 0.05));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void PaintChequer(const Canvas& canvas, double x, double y, double w, double h, int columns, int rows) {
    cairo_t* cr = canvas.Cr();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            cairo_rectangle(cr, x + w * column / columns, y + h * row / rows, w / columns, h / rows);
            canvas.SetColor((row + column) % 2 ? theme::kInk : theme::kCream);
            cairo_fill(cr);
        }
    }
}

namespace {

void PaintBlock(const Canvas& canvas, const FontSet& fonts, double x, double y, double size,
                const Rgba& colour, const std::string& letter) {
    cairo_t* cr = canvas.Cr();
    const double depth = size * 0.25;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + depth, y - depth);
    cairo_line_to(cr, x + size + depth, y - depth);
    cairo_line_to(cr, x + size, y);
    cairo_close_path(cr);
    canvas.SetColor(colour.Lighter(0.3));
    cairo_fill(cr);
    cairo_move_to(cr, x + size, y);
    cairo_line_to(cr, x + size + depth, y - depth);
    cairo_line_to(cr, x + size + depth, y + size - depth);
    cairo_line_to(cr, x + size, y + size);
    cairo_close_path(cr);
    canvas.SetColor(colour.Darker(0.3));
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, size, size);
    canvas.SetColor(colour);
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kInk.WithAlpha(0.6));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    TextStyle style{fonts.Bold(), size * 0.7, theme::kCream};
    style.outline = theme::kInk.WithAlpha(0.5);
    style.outlineWidth = 1.5;
    canvas.Text(letter, x + size / 2, y + size / 2, style);
}

}  // namespace

void PaintTableScene(const Canvas& canvas, const FontSet& fonts, bool withTitle) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width();
    const double h = canvas.Height();
    const double edge = h * 0.4;
    PaintWall(canvas, 0, 0, w, edge);
    // A window with sky, clouds and curtains.
    const double wx = w * 0.66, wy = h * 0.04, ww = w * 0.26, wh = edge * 0.62;
    cairo_rectangle(cr, wx, wy, ww, wh);
    canvas.FillVertical(wy, wh, theme::kSky.Darker(0.1), theme::kSky.Lighter(0.5));
    for (int i = 0; i < 3; ++i) {
        const double cloudX = wx + ww * (0.2 + 0.3 * i);
        const double cloudY = wy + wh * (0.3 + 0.15 * (i % 2));
        for (int puff = 0; puff < 3; ++puff) {
            cairo_arc(cr, cloudX + puff * ww * 0.05, cloudY - (puff == 1) * wh * 0.05, ww * 0.05, 0,
                      2 * M_PI);
            canvas.SetColor({1, 1, 1, 0.9});
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, wx, wy, ww, wh);
    cairo_move_to(cr, wx + ww / 2, wy);
    cairo_line_to(cr, wx + ww / 2, wy + wh);
    cairo_move_to(cr, wx, wy + wh / 2);
    cairo_line_to(cr, wx + ww, wy + wh / 2);
    canvas.SetColor(theme::kCream);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    for (double side : {wx - ww * 0.1, wx + ww * 0.92}) {
        cairo_move_to(cr, side, wy - 6);
        cairo_curve_to(cr, side + ww * 0.1, wy + wh * 0.5, side - ww * 0.05, wy + wh * 0.8, side + ww * 0.04,
                       wy + wh + 10);
        cairo_line_to(cr, side + ww * 0.2, wy + wh + 10);
        cairo_curve_to(cr, side + ww * 0.12, wy + wh * 0.7, side + ww * 0.2, wy + wh * 0.3, side + ww * 0.18,
                       wy - 6);
        cairo_close_path(cr);
        canvas.SetColor(theme::kRed.Lighter(0.15));
        cairo_fill(cr);
    }
    // A framed toy-car poster on the left, under the title's line.
    const double posterY = h * 0.2;
    cairo_rectangle(cr, w * 0.03, posterY, w * 0.14, edge * 0.42);
    canvas.SetColor(theme::kWoodDark);
    cairo_fill(cr);
    cairo_rectangle(cr, w * 0.03 + 7, posterY + 7, w * 0.14 - 14, edge * 0.42 - 14);
    canvas.SetColor(theme::kCream);
    cairo_fill(cr);
    PaintToyCar(canvas, w * 0.1, posterY + edge * 0.23, w * 0.1, theme::kGreen);
    // The table top: planks in perspective below its back edge.
    cairo_rectangle(cr, 0, edge, w, h - edge);
    cairo_save(cr);
    cairo_clip(cr);
    PaintWood(canvas, 0, edge, w, h - edge, 7);
    const double vanishX = w / 2, vanishY = -h * 1.5;
    for (int i = -12; i <= 12; ++i) {
        const double bottomX = w / 2 + i * w * 0.11;
        cairo_move_to(cr, vanishX + (bottomX - vanishX) * ((edge - vanishY) / (h - vanishY)), edge);
        cairo_line_to(cr, bottomX, h);
        canvas.SetColor(theme::kWoodDark.WithAlpha(0.35));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_rectangle(cr, 0, edge - 6, w, 10);
    canvas.SetColor(theme::kWoodDark.Darker(0.2));
    cairo_fill(cr);
    // Building blocks at the back of the table.
    PaintBlock(canvas, fonts, w * 0.05, edge + h * 0.02, h * 0.08, theme::kBlue, "P");
    PaintBlock(canvas, fonts, w * 0.13, edge + h * 0.04, h * 0.07, theme::kYellow, "D");
    PaintBlock(canvas, fonts, w * 0.085, edge - h * 0.045, h * 0.065, theme::kGreen, "A");
    // A toy road sweeping across the table, with three cars racing on it.
    PaintRoad(canvas, -w * 0.05, h * 0.98, w * 0.35, h * 0.55, w * 0.7, h * 0.82, w * 1.05, h * 0.52,
              h * 0.12);
    PaintChequer(canvas, w * 0.18, h * 0.64, h * 0.035, h * 0.14, 2, 8);
    PaintToyCar(canvas, w * 0.83, h * 0.62, w * 0.14, theme::kYellow);
    PaintToyCar(canvas, w * 0.55, h * 0.72, w * 0.17, theme::kBlue);
    PaintToyCar(canvas, w * 0.3, h * 0.78, w * 0.2, theme::kRed);
    // Soft light from the window, darker corners.
    cairo_pattern_t* vignette =
        cairo_pattern_create_radial(w * 0.55, h * 0.45, h * 0.2, w * 0.5, h * 0.5, w * 0.75);
    cairo_pattern_add_color_stop_rgba(vignette, 0, 1, 1, 0.9, 0.08);
    cairo_pattern_add_color_stop_rgba(vignette, 1, 0.2, 0.1, 0.05, 0.35);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, vignette);
    cairo_fill(cr);
    cairo_pattern_destroy(vignette);
    if (withTitle) PaintTitle(canvas, fonts, "Pebbledash", w * 0.45, h * 0.13, h * 0.15);
}

}  // namespace assetgen
