// Buttons, tabs, arrows, glows, headings and panels of the menu screens.
#include "tools/assetgen/button_painter.h"

#include <cmath>

#include "tools/assetgen/theme.h"

namespace assetgen {

int PixelsOf(double units) {
    return static_cast<int>(std::lround(units * theme::kPixelsPerUnit));
}

void MenuToPixels(const Placement& p, double menuX, double menuY, double& px, double& py) {
    px = (menuX - (p.centreX - p.width / 2)) * theme::kPixelsPerUnit;
    py = ((p.centreY + p.height / 2) - menuY) * theme::kPixelsPerUnit;
}

PixelRect OutlinePixels(const Placement& p, double grow) {
    double x0, y0, x1, y1;
    MenuToPixels(p, p.left - grow, p.top + grow, x0, y0);
    MenuToPixels(p, p.right + grow, p.bottom - grow, x1, y1);
    return {x0, y0, x1 - x0, y1 - y0};
}

namespace {

Rgba FaceColour(ButtonColour colour) {
    switch (colour) {
        case ButtonColour::Green:
            return theme::kGreen;
        case ButtonColour::Red:
            return theme::kRed;
        case ButtonColour::Orange:
            return theme::kOrange;
        case ButtonColour::Purple:
            return Hex(0x8A5CD6);
        default:
            return theme::kBlue;
    }
}

void Glow(const Canvas& canvas, const PixelRect& r, double radius) {
    cairo_t* cr = canvas.Cr();
    for (int ring = 6; ring >= 1; --ring) {
        const double spread = ring * 2.0;
        canvas.RoundedRect(r.x - spread, r.y - spread, r.w + 2 * spread, r.h + 2 * spread, radius + spread);
        canvas.SetColor({1.0, 0.93, 0.45, 0.07});
        cairo_fill(cr);
    }
}

void Gloss(const Canvas& canvas, const PixelRect& r, double radius, const Rgba& face) {
    cairo_t* cr = canvas.Cr();
    canvas.RoundedRect(r.x, r.y, r.w, r.h, radius);
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, r.y, 0, r.y + r.h);
    const Rgba top = face.Lighter(0.45), mid = face, bottom = face.Darker(0.25);
    cairo_pattern_add_color_stop_rgb(pattern, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(pattern, 0.5, mid.r, mid.g, mid.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
    canvas.RoundedRect(r.x + r.h * 0.12, r.y + r.h * 0.08, r.w - r.h * 0.24, r.h * 0.36, radius * 0.7);
    canvas.SetColor({1, 1, 1, 0.28});
    cairo_fill(cr);
}

}  // namespace

void PaintButtonFace(const Canvas& canvas, const FontSet& fonts, const PixelRect& rect,
                     const std::string& label, ButtonColour colour, bool lit) {
    cairo_t* cr = canvas.Cr();
    const double radius = std::min(rect.h * 0.5, 22.0);
    const double depth = std::max(3.0, rect.h * 0.1);
    const Rgba face = lit ? theme::kYellow : FaceColour(colour);
    if (lit) Glow(canvas, rect, radius);
    // The plastic's thickness under the face, then the face and its rim.
    canvas.RoundedRect(rect.x, rect.y + depth, rect.w, rect.h - depth, radius);
    canvas.SetColor(face.Darker(0.45));
    cairo_fill(cr);
    const PixelRect top{rect.x, rect.y, rect.w, rect.h - depth};
    Gloss(canvas, top, radius, face);
    canvas.RoundedRect(rect.x + 1, rect.y + 1, rect.w - 2, rect.h - 2, radius);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    TextStyle style{fonts.Bold(), std::min(top.h * 0.62, 34.0), theme::kCream};
    style.outline = lit ? theme::kRed.Darker(0.25) : FaceColour(colour).Darker(0.55);
    style.outlineWidth = std::max(1.5, style.size * 0.08);
    style.shadow = {0, 0, 0, 0.3};
    style.shadowOffset = std::max(1.0, style.size * 0.05);
    style.size = canvas.FitSize(label, style, rect.w - rect.h * 0.6);
    canvas.Text(label, rect.x + rect.w / 2, rect.y + top.h / 2, style);
}

void PaintTab(const Canvas& canvas, const FontSet& fonts, const PixelRect& rect, const std::string& label,
              bool lit) {
    cairo_t* cr = canvas.Cr();
    const double radius = rect.h * 0.45;
    if (lit) Glow(canvas, rect, radius);
    cairo_new_sub_path(cr);
    cairo_arc(cr, rect.x + radius, rect.y + radius, radius, M_PI, 1.5 * M_PI);
    cairo_arc(cr, rect.x + rect.w - radius, rect.y + radius, radius, 1.5 * M_PI, 2 * M_PI);
    cairo_line_to(cr, rect.x + rect.w, rect.y + rect.h);
    cairo_line_to(cr, rect.x, rect.y + rect.h);
    cairo_close_path(cr);
    const Rgba face = lit ? theme::kYellow : theme::kOrange.Darker(0.05);
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, rect.y, 0, rect.y + rect.h);
    const Rgba top = face.Lighter(0.4), bottom = face.Darker(0.15);
    cairo_pattern_add_color_stop_rgb(pattern, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, pattern);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pattern);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    TextStyle style{fonts.Bold(), rect.h * 0.6, theme::kCream};
    style.outline = lit ? theme::kRed.Darker(0.25) : theme::kOrange.Darker(0.55);
    style.outlineWidth = std::max(1.5, style.size * 0.08);
    style.size = canvas.FitSize(label, style, rect.w - rect.h * 0.5);
    canvas.Text(label, rect.x + rect.w / 2, rect.y + rect.h / 2, style);
}

void PaintArrowButton(const Canvas& canvas, const PixelRect& rect, bool pointsRight, bool lit) {
    cairo_t* cr = canvas.Cr();
    const double size = std::min(rect.w, rect.h);
    const double cx = rect.x + rect.w / 2, cy = rect.y + rect.h / 2;
    const PixelRect square{cx - size / 2, cy - size / 2, size, size};
    if (lit) Glow(canvas, square, size / 2);
    cairo_arc(cr, cx, cy + size * 0.05, size / 2, 0, 2 * M_PI);
    const Rgba face = lit ? theme::kYellow : theme::kBlue;
    canvas.SetColor(face.Darker(0.45));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, size / 2 - 1, 0, 2 * M_PI);
    Gloss(canvas, {cx - size / 2, cy - size / 2, size, size * 0.95}, size / 2, face);
    cairo_arc(cr, cx, cy, size / 2 - 1.5, 0, 2 * M_PI);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    const double s = pointsRight ? 1 : -1;
    cairo_move_to(cr, cx + s * size * 0.25, cy);
    cairo_line_to(cr, cx - s * size * 0.15, cy - size * 0.25);
    cairo_line_to(cr, cx - s * size * 0.15, cy + size * 0.25);
    cairo_close_path(cr);
    canvas.SetColor(theme::kCream);
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void PaintRowGlow(const Canvas& canvas, const PixelRect& rect) {
    cairo_t* cr = canvas.Cr();
    const double radius = rect.h * 0.5;
    Glow(canvas, rect, radius);
    canvas.RoundedRect(rect.x, rect.y, rect.w, rect.h, radius);
    canvas.SetColor({1.0, 0.86, 0.25, 0.3});
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kOrange);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void PaintHeading(const Canvas& canvas, const FontSet& fonts, const std::string& text) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width(), h = canvas.Height();
    const PixelRect ribbon{w * 0.04, h * 0.2, w * 0.92, h * 0.6};
    cairo_move_to(cr, ribbon.x - h * 0.05, ribbon.y + ribbon.h * 0.2);
    cairo_line_to(cr, ribbon.x + h * 0.25, ribbon.y + ribbon.h * 0.55);
    cairo_line_to(cr, ribbon.x - h * 0.05, ribbon.y + ribbon.h * 1.05);
    cairo_line_to(cr, ribbon.x + ribbon.w + h * 0.05, ribbon.y + ribbon.h * 1.05);
    cairo_line_to(cr, ribbon.x + ribbon.w - h * 0.25, ribbon.y + ribbon.h * 0.55);
    cairo_line_to(cr, ribbon.x + ribbon.w + h * 0.05, ribbon.y + ribbon.h * 0.2);
    cairo_close_path(cr);
    canvas.SetColor(theme::kRed.Darker(0.3));
    cairo_fill(cr);
    canvas.RoundedRect(ribbon.x + h * 0.12, ribbon.y, ribbon.w - h * 0.24, ribbon.h, 8);
    canvas.FillVertical(ribbon.y, ribbon.h, theme::kRed.Lighter(0.2), theme::kRed.Darker(0.1));
    canvas.RoundedRect(ribbon.x + h * 0.12, ribbon.y, ribbon.w - h * 0.24, ribbon.h, 8);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    TextStyle style{fonts.Bold(), ribbon.h * 0.7, theme::kYellow};
    style.outline = theme::kInk;
    style.outlineWidth = std::max(1.5, style.size * 0.07);
    style.size = canvas.FitSize(text, style, ribbon.w - h * 0.6);
    canvas.Text(text, w / 2, ribbon.y + ribbon.h / 2, style);
}

void PaintPanel(const Canvas& canvas, const PixelRect& r, const Rgba& rim) {
    cairo_t* cr = canvas.Cr();
    const double radius = 28;
    canvas.RoundedRect(r.x + 6, r.y + 8, r.w, r.h, radius);
    canvas.SetColor({0, 0, 0, 0.25});
    cairo_fill(cr);
    canvas.RoundedRect(r.x, r.y, r.w, r.h, radius);
    canvas.FillVertical(r.y, r.h, rim.Lighter(0.25), rim.Darker(0.15));
    canvas.RoundedRect(r.x, r.y, r.w, r.h, radius);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const double border = 14;
    canvas.RoundedRect(r.x + border, r.y + border, r.w - 2 * border, r.h - 2 * border, radius - 8);
    canvas.FillVertical(r.y + border, r.h - 2 * border, theme::kPanelTop, theme::kPanelBottom);
    canvas.RoundedRect(r.x + border, r.y + border, r.w - 2 * border, r.h - 2 * border, radius - 8);
    canvas.SetColor(rim.Darker(0.4));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Screw heads in the corners, like a toy's plastic frame.
    for (double sx : {r.x + border / 2 + 2, r.x + r.w - border / 2 - 2}) {
        for (double sy : {r.y + border / 2 + 2, r.y + r.h - border / 2 - 2}) {
            cairo_arc(cr, sx, sy, 4, 0, 2 * M_PI);
            canvas.SetColor(theme::kCream);
            cairo_fill(cr);
        }
    }
}

}  // namespace assetgen
