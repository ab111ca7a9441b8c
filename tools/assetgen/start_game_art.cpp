// data/StartGame.dat: the car choice screen (title, OK, arrows, five car
// pictures) and the difficulty screen (title, three levels, Back, Race).
#include <cmath>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/menu_pictures.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

namespace {

// A car on a turntable with its name, 18 x 16 units (it lies over the panel frame).
void PaintCarPicture(const Canvas& canvas, const FontSet& fonts, int model) {
    static const char* const kNames[5] = {"Night Runner", "Blue Comet", "Green Gecko", "Red Rocket",
                                          "Yellow Bee"};
    cairo_t* cr = canvas.Cr();
    const double w = canvas.Width(), h = canvas.Height();
    cairo_pattern_t* spot = cairo_pattern_create_radial(w / 2, h * 0.5, 10, w / 2, h * 0.5, w * 0.42);
    cairo_pattern_add_color_stop_rgba(spot, 0, 1, 0.95, 0.7, 0.55);
    cairo_pattern_add_color_stop_rgba(spot, 1, 1, 0.95, 0.7, 0);
    cairo_arc(cr, w / 2, h * 0.5, w * 0.42, 0, 2 * M_PI);
    cairo_set_source(cr, spot);
    cairo_fill(cr);
    cairo_pattern_destroy(spot);
    cairo_save(cr);
    cairo_translate(cr, w / 2, h * 0.66);
    cairo_scale(cr, 1, 0.22);
    cairo_arc(cr, 0, 0, w * 0.36, 0, 2 * M_PI);
    cairo_restore(cr);
    canvas.SetColor(theme::kWoodDark);
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    PaintToyCar(canvas, w / 2, h * 0.52, w * 0.58, theme::kCarColours[model]);
    TextStyle name{fonts.Bold(), 46, theme::kYellow};
    name.outline = theme::kInk;
    name.outlineWidth = 4;
    canvas.Text(kNames[model], w / 2, h * 0.84, name);
}

}  // namespace

void GenerateStartGamePack(GeneratorContext& context) {
    PackBuilder pack("data/StartGame.dat");
    AddHeading(context, pack, 0, 12, 3, "Choose Your Car");
    AddButtonPair(context, pack, 1, 2, {8, 4, 6.5, -7.4, 5.4, 8.5, -7.0, -8.3}, "OK", ButtonColour::Green);
    AddArrowPair(context, pack, 3, 4, {8, 4, 9.45, -7.35, 9.0, 11.3, -7.0, -8.3}, true);
    AddArrowPair(context, pack, 5, 6, {8, 4, 3.5, -7.4, 2.8, 5.0, -7.0, -8.3}, false);
    for (int model = 0; model < 5; ++model) {
        Canvas canvas(PixelsOf(18), PixelsOf(16));
        PaintCarPicture(canvas, context.fonts, model);
        pack.Set(context, 7 + model, canvas);
    }
    AddHeading(context, pack, 12, 14, 3, "Choose Difficulty");
    const struct {
        const char* label;
        double centreY, top, bottom;
        ButtonColour colour;
    } levels[3] = {{"Easy: 3 rivals", 2.5, 3.4, 1.6, ButtonColour::Green},
                   {"Medium: 5 rivals", -0.5, 0.4, -1.4, ButtonColour::Orange},
                   {"Hard: 7 rivals", -3.5, -2.6, -4.4, ButtonColour::Red}};
    for (int level = 0; level < 3; ++level) {
        const Placement placement{
            13, 4, 6.5, levels[level].centreY, 1.3, 12.5, levels[level].top, levels[level].bottom};
        AddButtonPair(context, pack, 13 + 2 * level, 14 + 2 * level, placement, levels[level].label,
                      levels[level].colour);
    }
    AddButtonPair(context, pack, 19, 20, {6, 3, 3.8, -7, 1.8, 6.7, -6.6, -7.7}, "Back", ButtonColour::Red);
    AddButtonPair(context, pack, 21, 22, {6, 3, 9.2, -7, 7.3, 12.3, -6.6, -7.7}, "Race!",
                  ButtonColour::Green);
    pack.Write(context);
}

}  // namespace assetgen
