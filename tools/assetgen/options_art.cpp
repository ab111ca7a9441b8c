// data/OptMenu.dat: the options screen's title, three pages, tabs, lit rows,
// on/off markers, arrows and slider knob, placed by the screen's layout table.
#include <cmath>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/menu_pictures.h"
#include "tools/assetgen/theme.h"

namespace assetgen {

namespace {

// Every page picture is 20 x 16 units centred at (6.5, -1.5).
const Placement kPage{20, 16, 6.5, -1.5, 0, 0, 0, 0};

void Label(const Canvas& canvas, const FontSet& fonts, const std::string& text, double menuX, double menuY,
           double size, Align align, const Rgba& colour = theme::kLabel) {
    double px, py;
    MenuToPixels(kPage, menuX, menuY, px, py);
    TextStyle style{fonts.Bold(), size * theme::kPixelsPerUnit, colour};
    style.align = align;
    canvas.Text(text, px, py, style);
}

void DimArrow(const Canvas& canvas, double menuX, double menuY, bool pointsRight) {
    double px, py;
    MenuToPixels(kPage, menuX, menuY, px, py);
    const double size = 1.3 * theme::kPixelsPerUnit;
    PaintArrowButton(canvas, {px - size / 2, py - size / 2, size, size}, pointsRight, false);
}

void KeyBox(const Canvas& canvas, double menuY) {
    double x0, y0, x1, y1;
    MenuToPixels(kPage, 5.9, menuY + 0.5, x0, y0);
    MenuToPixels(kPage, 11.3, menuY - 0.5, x1, y1);
    canvas.RoundedRect(x0, y0, x1 - x0, y1 - y0, 8);
    canvas.SetColor({0, 0, 0, 0.45});
    cairo_fill_preserve(canvas.Cr());
    canvas.SetColor(theme::kLabel.WithAlpha(0.5));
    cairo_set_line_width(canvas.Cr(), 1.5);
    cairo_stroke(canvas.Cr());
}

void PaintVideoPage(const Canvas& canvas, const FontSet& fonts) {
    const double labelSize = 0.75;
    Label(canvas, fonts, "Display", -0.8, 1.1, labelSize, Align::Left);
    Label(canvas, fonts, "Full", 10.62, 1.46, 0.6, Align::Centre, theme::kSky);
    Label(canvas, fonts, "Window", 13.04, 1.46, 0.6, Align::Centre, theme::kSky);
    Label(canvas, fonts, "Resolution", -0.8, -0.4, labelSize, Align::Left);
    Label(canvas, fonts, "Colours", -0.8, -1.9, labelSize, Align::Left);
    for (double y : {0.0, -1.55}) {
        DimArrow(canvas, 9.37, y, false);
        DimArrow(canvas, 14.43, y, true);
        double x0, y0, x1, y1;
        MenuToPixels(kPage, 10.3, y + 0.45, x0, y0);
        MenuToPixels(kPage, 13.5, y - 0.45, x1, y1);
        canvas.RoundedRect(x0, y0, x1 - x0, y1 - y0, 8);
        canvas.SetColor({0, 0, 0, 0.45});
        cairo_fill(canvas.Cr());
    }
    Label(canvas, fonts, "Smooth edges", -0.8, -3.4, labelSize, Align::Left);
    Label(canvas, fonts, "On", 10.35, -3.04, 0.6, Align::Centre, theme::kGreen.Lighter(0.3));
    Label(canvas, fonts, "Off", 12.77, -3.04, 0.6, Align::Centre, theme::kRed.Lighter(0.3));
    Label(canvas, fonts, "Shadows", -0.8, -4.9, labelSize, Align::Left);
    Label(canvas, fonts, "On", 10.35, -4.5, 0.6, Align::Centre, theme::kGreen.Lighter(0.3));
    Label(canvas, fonts, "Off", 12.85, -4.5, 0.6, Align::Centre, theme::kRed.Lighter(0.3));
    Label(canvas, fonts, "Apply to use the new display settings", 6.5, -6.0, 0.45, Align::Centre,
          theme::kLabel.WithAlpha(0.75));
}

void PaintSoundPage(const Canvas& canvas, const FontSet& fonts) {
    cairo_t* cr = canvas.Cr();
    const struct {
        const char* label;
        double y;
    } rows[2] = {{"Music", 0.2}, {"Effects", -3.18}};
    for (const auto& row : rows) {
        Label(canvas, fonts, row.label, -0.8, row.y + 0.9, 0.75, Align::Left);
        double x0, y0, x1, y1;
        MenuToPixels(kPage, 4.5, row.y, x0, y0);
        MenuToPixels(kPage, 13.7, row.y, x1, y1);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        canvas.SetColor(theme::kLabel.WithAlpha(0.8));
        cairo_set_line_width(cr, 14);
        cairo_stroke(cr);
        cairo_pattern_t* ramp = cairo_pattern_create_linear(x0, 0, x1, 0);
        cairo_pattern_add_color_stop_rgb(ramp, 0, theme::kGreen.r, theme::kGreen.g, theme::kGreen.b);
        cairo_pattern_add_color_stop_rgb(ramp, 1, theme::kRed.r, theme::kRed.g, theme::kRed.b);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_set_source(cr, ramp);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
        cairo_pattern_destroy(ramp);
        for (int tick = 0; tick <= 10; ++tick) {
            const double tx = x0 + (x1 - x0) * tick / 10;
            cairo_move_to(cr, tx, y0 + 12);
            cairo_line_to(cr, tx, y0 + (tick % 5 == 0 ? 24 : 18));
        }
        canvas.SetColor(theme::kLabel.WithAlpha(0.75));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        Label(canvas, fonts, "quiet", 4.5, row.y - 1.05, 0.4, Align::Centre, theme::kLabel.WithAlpha(0.75));
        Label(canvas, fonts, "loud", 13.7, row.y - 1.05, 0.4, Align::Centre, theme::kLabel.WithAlpha(0.75));
    }
    Label(canvas, fonts, "Drag the wheels, or use Left and Right", 6.5, -6.0, 0.45, Align::Centre,
          theme::kLabel.WithAlpha(0.75));
}

void PaintControlsPage(const Canvas& canvas, const FontSet& fonts) {
    const struct {
        const char* label;
        double y;
    } rows[6] = {{"Accelerate", 1.1},    {"Brake", 0.15},  {"Steer left", -1.45},
                 {"Steer right", -2.75}, {"Boost", -4.05}, {"Boss key", -5.4}};
    for (const auto& row : rows) {
        Label(canvas, fonts, row.label, 1.0, row.y, 0.62, Align::Left);
        KeyBox(canvas, row.y);
    }
    Label(canvas, fonts, "Click a row, then press the new key", 6.5, -6.25, 0.45, Align::Centre,
          theme::kLabel.WithAlpha(0.75));
}

void AddRowGlow(GeneratorContext& context, PackBuilder& pack, int index, const Placement& p) {
    Canvas canvas(PixelsOf(p.width), PixelsOf(p.height));
    PaintRowGlow(canvas, OutlinePixels(p, 0.05));
    pack.Set(context, index, canvas);
}

// An on/off marker: a glowing ring round the chosen word, 8 x 2 units.
void AddMarker(GeneratorContext& context, PackBuilder& pack, int index, const Rgba& colour) {
    Canvas canvas(PixelsOf(8), PixelsOf(2));
    cairo_t* cr = canvas.Cr();
    const double w = 2.4 * theme::kPixelsPerUnit, h = 1.05 * theme::kPixelsPerUnit;
    const double x = (canvas.Width() - w) / 2, y = (canvas.Height() - h) / 2;
    canvas.RoundedRect(x, y, w, h, h / 2);
    canvas.SetColor(colour.WithAlpha(0.25));
    cairo_fill_preserve(cr);
    canvas.SetColor(colour);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    pack.Set(context, index, canvas);
}

void AddKnob(GeneratorContext& context, PackBuilder& pack, int index) {
    Canvas canvas(PixelsOf(4), PixelsOf(4));
    cairo_t* cr = canvas.Cr();
    const double c = canvas.Width() / 2.0, r = 0.7 * theme::kPixelsPerUnit;
    cairo_arc(cr, c + 2, c + 3, r, 0, 2 * M_PI);
    canvas.SetColor({0, 0, 0, 0.3});
    cairo_fill(cr);
    cairo_arc(cr, c, c, r, 0, 2 * M_PI);
    canvas.SetColor(Hex(0x22222A));
    cairo_fill(cr);
    cairo_arc(cr, c, c, r * 0.55, 0, 2 * M_PI);
    canvas.SetColor(theme::kYellow);
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int spoke = 0; spoke < 5; ++spoke) {
        const double a = spoke * 2 * M_PI / 5;
        cairo_move_to(cr, c, c);
        cairo_line_to(cr, c + std::cos(a) * r * 0.5, c + std::sin(a) * r * 0.5);
    }
    cairo_stroke(cr);
    pack.Set(context, index, canvas);
}

}  // namespace

void GenerateOptionsPack(GeneratorContext& context) {
    PackBuilder pack("data/OptMenu.dat");
    AddHeading(context, pack, 0, 8, 3, "Options");
    const struct {
        int index;
        void (*paint)(const Canvas&, const FontSet&);
    } pages[3] = {{1, PaintVideoPage}, {3, PaintSoundPage}, {2, PaintControlsPage}};
    for (const auto& page : pages) {
        Canvas canvas(PixelsOf(kPage.width), PixelsOf(kPage.height));
        page.paint(canvas, context.fonts);
        pack.Set(context, page.index, canvas);
    }
    const Placement apply{8, 4, 6.5, -7.0, 4.6, 9.4, -6.8, -7.7};
    AddButtonPair(context, pack, 5, 6, apply, "Apply", ButtonColour::Green);
    AddButtonPair(context, pack, 7, 8, apply, "Defaults", ButtonColour::Orange);
    const Placement tabs[3] = {{12, 8, 1.2, 4.0, -1.3, 4.1, 4.8, 3.5},
                               {12, 8, 6.7, 4.0, 4.4, 9.8, 4.8, 3.5},
                               {12, 8, 12.2, 4.0, 10.1, 15.5, 4.8, 3.5}};
    const char* tabLabels[3] = {"Video", "Sound", "Controls"};
    for (int tab = 0; tab < 3; ++tab) {
        AddTabPair(context, pack, 9 + 3 * tab, 10 + 3 * tab, tabs[tab], tabLabels[tab]);
    }
    {
        Canvas left(PixelsOf(2), PixelsOf(2));
        PaintArrowButton(left, {0.35 * 32, 0.35 * 32, 1.3 * 32, 1.3 * 32}, false, true);
        pack.Set(context, 18, left);
        Canvas right(PixelsOf(2), PixelsOf(2));
        PaintArrowButton(right, {0.35 * 32, 0.35 * 32, 1.3 * 32, 1.3 * 32}, true, true);
        pack.Set(context, 19, right);
    }
    AddMarker(context, pack, 20, theme::kRed);
    AddMarker(context, pack, 22, theme::kGreen.Darker(0.2));
    AddKnob(context, pack, 24);
    AddRowGlow(context, pack, 26, {20, 4, 5.58, 0.0, -1.5, 15.5, 1.0, -1.0});
    AddRowGlow(context, pack, 27, {20, 4, 5.74, -3.38, -1.5, 15.5, -2.5, -4.5});
    const Placement keyRows[6] = {
        {20, 4, 8.48, 0.84, 0.7, 13.3, 1.4, 0.45},    {20, 4, 8.52, -0.4, 0.7, 13.3, 0.2, -0.75},
        {20, 4, 8.6, -1.64, 0.7, 13.3, -1.0, -1.95},  {20, 4, 8.68, -2.92, 0.7, 13.3, -2.2, -3.15},
        {20, 4, 8.56, -4.24, 0.7, 13.3, -3.4, -4.35}, {20, 4, 8.56, -5.56, 0.7, 13.3, -4.6, -5.55}};
    for (int row = 0; row < 6; ++row) AddRowGlow(context, pack, 29 + row, keyRows[row]);
    const Placement videoRows[5] = {{20, 4, 6.23, 1.25, -1.5, 15.5, 1.8, 0.4},
                                    {20, 4, 6.34, -0.23, -1.5, 15.5, 0.3, -1.1},
                                    {20, 4, 6.58, -1.71, -1.5, 15.5, -1.2, -2.6},
                                    {20, 4, 6.7, -3.19, -1.5, 15.5, -2.7, -4.1},
                                    {20, 4, 5.64, -4.71, -1.5, 15.5, -4.2, -5.6}};
    for (int row = 0; row < 5; ++row) AddRowGlow(context, pack, 37 + row, videoRows[row]);
    pack.Write(context);
}

}  // namespace assetgen
