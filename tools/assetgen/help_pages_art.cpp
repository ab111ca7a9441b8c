// data\Over1.png .. Over4.png: the four help pages (controls, pickups, rules,
// tips), 16 x 10 menu units each, shown inside the side panel.
#include <string>
#include <vector>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/pickup_icons.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

namespace {

constexpr int kWidth = 512;
constexpr int kHeight = 320;

void Heading(const Canvas& canvas, const FontSet& fonts, const std::string& text) {
    TextStyle style{fonts.Bold(), 34, theme::kYellow};
    style.outline = theme::kInk;
    style.outlineWidth = 3;
    canvas.Text(text, kWidth / 2.0, 24, style);
}

void Line(const Canvas& canvas, const FontSet& fonts, const std::string& text, double x, double y,
          double size = 21, bool bold = false, const Rgba& colour = theme::kLabel) {
    TextStyle style{bold ? fonts.Bold() : fonts.Regular(), size, colour};
    style.align = Align::Left;
    style.size = canvas.FitSize(text, style, kWidth - x - 8);
    canvas.Text(text, x, y, style);
}

void KeyCap(const Canvas& canvas, const FontSet& fonts, const std::string& key, double x, double y,
            double w) {
    cairo_t* cr = canvas.Cr();
    canvas.RoundedRect(x, y - 15, w, 30, 7);
    canvas.SetColor(theme::kCream.Darker(0.35));
    cairo_fill(cr);
    canvas.RoundedRect(x, y - 17, w, 28, 7);
    canvas.SetColor(theme::kCream);
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle style{fonts.Bold(), 17, theme::kInk};
    style.size = canvas.FitSize(key, style, w - 8);
    canvas.Text(key, x + w / 2, y - 3, style);
}

void PaintControls(const Canvas& canvas, const FontSet& fonts) {
    Heading(canvas, fonts, "Driving your toy car");
    const struct {
        const char* key;
        const char* meaning;
    } rows[7] = {{"Up", "accelerate"},
                 {"Down", "brake and reverse"},
                 {"Left / Right", "steer"},
                 {"Space", "boost, while a bolt lasts"},
                 {"P", "pause the race"},
                 {"Esc", "leave the race"},
                 {"F12", "boss key: hide the game at once"}};
    for (int i = 0; i < 7; ++i) {
        const double y = 70 + i * 34;
        KeyCap(canvas, fonts, rows[i].key, 14, y, 120);
        Line(canvas, fonts, rows[i].meaning, 148, y - 3);
    }
    Line(canvas, fonts, "Change the keys under Options, Controls.", 14, 306, 17, false,
         theme::kLabel.WithAlpha(0.75));
}

void PaintPickups(const Canvas& canvas, const FontSet& fonts) {
    Heading(canvas, fonts, "Pickups on the track");
    const char* texts[5] = {"50 points", "100 points", "one more life and 50 points",
                            "steering reversed for 10 seconds, minus 150 points",
                            "10 seconds of boost and 50 points"};
    for (int kind = 1; kind <= 5; ++kind) {
        const double y = 70 + (kind - 1) * 50;
        PaintPickupIcon(canvas, fonts, kind, 44, y, 42);
        Line(canvas, fonts, texts[kind - 1], 84, y, 21);
    }
    Line(canvas, fonts, "Drive straight through a pickup to take it.", 14, 306, 17, false,
         theme::kLabel.WithAlpha(0.75));
}

void PaintRules(const Canvas& canvas, const FontSet& fonts) {
    Heading(canvas, fonts, "How a game goes");
    const char* lines[7] = {"Race 3, 5 or 7 toy cars round a table-top track.",
                            "Finish the laps first, before the time runs out,",
                            "and the next level starts on a new track.",
                            "Finish lower, or run out of time, and you lose a life.",
                            "Land on your roof and you lose a life too.",
                            "The game ends when your last life is gone.",
                            "Good scores go into the high-score tables."};
    for (int i = 0; i < 7; ++i) Line(canvas, fonts, lines[i], 14, 68 + i * 34, 20);
    PaintChequer(canvas, 440, 280, 60, 30, 6, 3);
}

void PaintTips(const Canvas& canvas, const FontSet& fonts) {
    Heading(canvas, fonts, "Tips from the toy box");
    const char* lines[6] = {"Brake before the sharp bends of the table.",
                            "Save your boost for the long straights.",
                            "Leave the purple arrows alone!",
                            "Hearts are worth a detour.",
                            "Watch the minimap in the corner: the red dot is you.",
                            "Bumping a rival can cost you both time."};
    for (int i = 0; i < 6; ++i) Line(canvas, fonts, lines[i], 14, 72 + i * 36, 20);
    PaintToyCar(canvas, 440, 285, 90, theme::kRed);
}

}  // namespace

void GenerateHelpPages(GeneratorContext& context) {
    void (*pages[4])(const Canvas&, const FontSet&) = {PaintControls, PaintPickups, PaintRules, PaintTips};
    for (int page = 0; page < 4; ++page) {
        Canvas canvas(kWidth, kHeight);
        pages[page](canvas, context.fonts);
        const std::string path = "data/Over" + std::to_string(page + 1) + ".png";
        context.out.Write(path, canvas.EncodePng());
        context.preview.Add("Plain pictures", path.substr(5), canvas);
    }
}

}  // namespace assetgen
