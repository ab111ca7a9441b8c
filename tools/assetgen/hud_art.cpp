// The race's pictures: the HUD strip with its fields, the map dot, the effect
// icons and bar, the pause and game-over banners and the white flash.
#include <cmath>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/pickup_icons.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

namespace {

// The panel sprite covers 31.16 x 5.72 overlay units centred at (0, 9): x from
// -15.58 to 15.58, y from 6.14 to 11.86. The race prints its numbers at y = 11.1.
constexpr double kPanelLeft = -15.58;
constexpr double kPanelTop = 11.86;
constexpr int kPanelWidth = 997;
constexpr int kPanelHeight = 183;

double PanelX(double x) {
    return (x - kPanelLeft) * 32;
}
double PanelY(double y) {
    return (kPanelTop - y) * 32;
}

// A label and a dark field box whose left end (or right end) is where the race
// prints a number.
void Field(const Canvas& canvas, const FontSet& fonts, const char* label, double labelRight, double boxLeft,
           double boxRight) {
    cairo_t* cr = canvas.Cr();
    const double y = PanelY(11.1);
    canvas.RoundedRect(PanelX(boxLeft), y - 15, PanelX(boxRight) - PanelX(boxLeft), 30, 8);
    canvas.SetColor({0.08, 0.06, 0.12, 0.8});
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kCream.WithAlpha(0.5));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle style{fonts.Bold(), 20, theme::kInk};
    style.align = Align::Right;
    canvas.Text(label, PanelX(labelRight), y, style);
}

void PaintPanel(const Canvas& canvas, const FontSet& fonts) {
    cairo_t* cr = canvas.Cr();
    const double top = 3, height = PanelY(10.25);
    canvas.RoundedRect(4, top + 3, kPanelWidth - 8, height, 18);
    canvas.SetColor({0, 0, 0, 0.3});
    cairo_fill(cr);
    canvas.RoundedRect(2, top, kPanelWidth - 8, height, 18);
    canvas.FillVertical(top, height, theme::kYellow.Lighter(0.35), theme::kOrange.Lighter(0.1));
    canvas.RoundedRect(2, top, kPanelWidth - 8, height, 18);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    PaintPickupIcon(canvas, fonts, 3, PanelX(-14.3), PanelY(11.1), 30);
    Field(canvas, fonts, "", -12.9, -13.0, -10.9);
    Field(canvas, fonts, "Level", -7.2, -7.2, -5.4);
    Field(canvas, fonts, "Laps", -2.7, -2.7, -0.9);
    Field(canvas, fonts, "Score", 1.6, 1.7, 5.4);
    Field(canvas, fonts, "Time", 9.2, 9.3, 14.6);
}

// An effect icon, 3.3 x 1.45 sprite scale (5.28 x 2.32 overlay units), with the
// pickup's picture and the effect's name on its upper part and, along its lower part,
// the groove in which the race draws the effect's time bar: the bar's left end stays
// 0.46 units right of the icon's left edge and a full bar (10 s) is 4.2 units long and
// 0.64 high, its middle 0.63 units above the icon's bottom edge.
void PaintEffectIcon(const Canvas& canvas, const FontSet& fonts, int kind, const char* text,
                     const Rgba& colour) {
    cairo_t* cr = canvas.Cr();
    const double unit = canvas.Width() / 5.28;
    // The reversing icon stands at x = 13.6, so its right 0.24 units are off screen:
    // the frame ends 0.3 units before the picture's right edge.
    const double w = canvas.Width() - 0.3 * unit, h = canvas.Height();
    canvas.RoundedRect(3, 3, w - 6, h - 6, h * 0.3);
    canvas.FillVertical(3, h - 6, colour.Lighter(0.3), colour.Darker(0.15));
    canvas.RoundedRect(3, 3, w - 6, h - 6, h * 0.3);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);

    const double grooveTop = h - (0.63 + 0.32 + 0.06) * unit, grooveHeight = (0.64 + 0.12) * unit;
    canvas.RoundedRect(0.38 * unit, grooveTop, 4.36 * unit, grooveHeight, grooveHeight / 2);
    canvas.SetColor({0.08, 0.06, 0.12, 0.8});
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kCream.WithAlpha(0.6));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    const double top = grooveTop - 2, iconY = top / 2 + 2, radius = top * 0.42;
    cairo_arc(cr, 0.4 * unit + radius, iconY, radius, 0, 2 * M_PI);
    canvas.SetColor(theme::kCream);
    cairo_fill(cr);
    PaintPickupIcon(canvas, fonts, kind, 0.4 * unit + radius, iconY, radius * 1.55);
    const double textLeft = 0.4 * unit + 2 * radius + 6;
    TextStyle style{fonts.Bold(), top * 0.6, theme::kCream};
    style.outline = theme::kInk;
    style.outlineWidth = 2;
    style.size = canvas.FitSize(text, style, w - textLeft - 10);
    canvas.Text(text, (textLeft + w - 6) / 2, iconY, style);
}

void PaintBanner(const Canvas& canvas, const FontSet& fonts, const char* title, const char* line,
                 const Rgba& colour) {
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width(), h = canvas.Height();
    cairo_rectangle(cr, 0, 0, w, h);
    canvas.SetColor({0.05, 0.03, 0.1, 0.35});
    cairo_fill(cr);
    canvas.RoundedRect(w * 0.14, h * 0.36, w * 0.72, h * 0.28, 30);
    canvas.FillVertical(h * 0.36, h * 0.28, colour.Lighter(0.2), colour.Darker(0.2));
    canvas.RoundedRect(w * 0.14, h * 0.36, w * 0.72, h * 0.28, 30);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    PaintChequer(canvas, w * 0.14 + 20, h * 0.36 + 16, 40, h * 0.28 - 32, 2, 7);
    PaintChequer(canvas, w * 0.86 - 60, h * 0.36 + 16, 40, h * 0.28 - 32, 2, 7);
    PaintTitle(canvas, fonts, title, w / 2, h * 0.47, 96);
    TextStyle style{fonts.Bold(), 30, theme::kCream};
    style.outline = theme::kInk;
    style.outlineWidth = 3;
    canvas.Text(line, w / 2, h * 0.58, style);
}

}  // namespace

void GenerateHudPictures(GeneratorContext& context) {
    auto write = [&context](const std::string& path, const Canvas& canvas, bool jpg = false) {
        context.out.Write(path, jpg ? canvas.EncodeJpg(90) : canvas.EncodePng());
        context.preview.Add("Race pictures", path.substr(5), canvas);
    };
    {
        Canvas panel(kPanelWidth, kPanelHeight);
        PaintPanel(panel, context.fonts);
        write("data/Game panels.png", panel);
    }
    {
        Canvas dot(32, 32);
        cairo_arc(dot.Cr(), 16, 16, 12, 0, 2 * M_PI);
        dot.SetColor(theme::kRed);
        cairo_fill_preserve(dot.Cr());
        dot.SetColor(theme::kCream);
        cairo_set_line_width(dot.Cr(), 3);
        cairo_stroke(dot.Cr());
        write("data/RedPoint.png", dot);
    }
    {
        // 3.3 x 1.45 sprite scale: 5.28 x 2.32 overlay units.
        Canvas reverse(169, 74);
        PaintEffectIcon(reverse, context.fonts, 4, "Reversed!", Hex(0x9B4DDB));
        write("data/Vodila.png", reverse);
        Canvas boost(169, 74);
        PaintEffectIcon(boost, context.fonts, 5, "Boost!", theme::kOrange);
        write("data/Action.png", boost);
    }
    {
        Canvas tail(16, 32);
        cairo_rectangle(tail.Cr(), 0, 0, 16, 32);
        tail.FillVertical(0, 32, theme::kYellow.Lighter(0.4), theme::kOrange);
        write("data/Tail.png", tail);
    }
    {
        Canvas pause(1024, 768);
        PaintBanner(pause, context.fonts, "Paused", "Press P to drive on", theme::kBlue);
        write("data/Pause.png", pause);
        Canvas over(1024, 768);
        PaintBanner(over, context.fonts, "Game Over", "Thanks for racing!", theme::kRed);
        write("data/Game Over.png", over);
    }
    {
        Canvas white(64, 64);
        white.SetColor({1, 1, 1, 1});
        cairo_paint(white.Cr());
        write("data/WhiteScreen.jpg", white, true);
    }
}

}  // namespace assetgen
