// data/skybox01.sky and its six faces: the toy room around the table. The box is
// a cube room, so each side face is one wall from floor to ceiling.
#include <cmath>

#include "formats/sky_box_file.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

namespace {

constexpr int kFace = 512;

void PaintCornice(const Canvas& canvas) {
    cairo_rectangle(canvas.Cr(), 0, 0, kFace, 18);
    canvas.FillVertical(0, 18, theme::kSkirting, theme::kWallStripe.Darker(0.1));
}

void PaintWindowWall(const Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintWall(canvas, 0, 0, kFace, kFace);
    PaintCornice(canvas);
    const double x = 140, y = 110, w = 232, h = 230;
    cairo_rectangle(cr, x, y, w, h);
    canvas.FillVertical(y, h, theme::kSky.Darker(0.15), theme::kSky.Lighter(0.5));
    cairo_arc(cr, x + w * 0.75, y + h * 0.25, 22, 0, 2 * M_PI);
    canvas.SetColor(theme::kYellow.Lighter(0.4));
    cairo_fill(cr);
    cairo_rectangle(cr, x, y + h * 0.7, w, h * 0.3);
    canvas.SetColor(theme::kGreen.Lighter(0.2));
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_move_to(cr, x + w / 2, y);
    cairo_line_to(cr, x + w / 2, y + h);
    cairo_move_to(cr, x, y + h / 2);
    cairo_line_to(cr, x + w, y + h / 2);
    canvas.SetColor(theme::kCream);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - 16, y + h, w + 32, 12);
    canvas.SetColor(theme::kSkirting);
    cairo_fill(cr);
}

void PaintShelfWall(const Canvas& canvas, const FontSet& fonts) {
    cairo_t* cr = canvas.Cr();
    PaintWall(canvas, 0, 0, kFace, kFace);
    PaintCornice(canvas);
    for (int shelf = 0; shelf < 3; ++shelf) {
        const double y = 150 + shelf * 110;
        cairo_rectangle(cr, 80, y, 352, 12);
        canvas.SetColor(theme::kWoodDark);
        cairo_fill(cr);
        for (int book = 0; book < 9; ++book) {
            const double bx = 92 + book * 36 + (shelf % 2) * 10;
            const double bh = 50 + ((book * 7 + shelf * 3) % 5) * 8;
            cairo_rectangle(cr, bx, y - bh, 26, bh);
            canvas.SetColor(theme::kCarColours[(book + shelf) % 5].Lighter(0.1));
            cairo_fill(cr);
        }
    }
    PaintToyCar(canvas, 256, 392, 120, theme::kBlue);
    TextStyle label{fonts.Bold(), 40, theme::kRed};
    label.outline = theme::kCream;
    label.outlineWidth = 3;
    canvas.Text("TOYS", 256, 60, label);
}

void PaintDoorWall(const Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintWall(canvas, 0, 0, kFace, kFace);
    PaintCornice(canvas);
    cairo_rectangle(cr, 176, 120, 160, 392);
    canvas.SetColor(theme::kCream);
    cairo_fill(cr);
    cairo_rectangle(cr, 188, 132, 136, 380);
    canvas.SetColor(theme::kWoodLight);
    cairo_fill(cr);
    for (double panelY : {150.0, 330.0}) {
        cairo_rectangle(cr, 204, panelY, 104, 150);
        canvas.SetColor(theme::kWoodDark.WithAlpha(0.5));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 306, 320, 9, 0, 2 * M_PI);
    canvas.SetColor(theme::kYellow);
    cairo_fill(cr);
}

void PaintPictureWall(const Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintWall(canvas, 0, 0, kFace, kFace);
    PaintCornice(canvas);
    cairo_rectangle(cr, 126, 120, 260, 180);
    canvas.SetColor(theme::kWoodDark);
    cairo_fill(cr);
    cairo_rectangle(cr, 138, 132, 236, 156);
    canvas.FillVertical(132, 156, theme::kSky, theme::kSky.Lighter(0.6));
    PaintRoad(canvas, 138, 270, 200, 220, 300, 280, 374, 230, 26);
    PaintToyCar(canvas, 256, 238, 90, theme::kRed);
    PaintChequer(canvas, 60, 360, 60, 40, 6, 4);
    PaintChequer(canvas, 392, 360, 60, 40, 6, 4);
}

void PaintCeiling(const Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, kFace, kFace);
    canvas.SetColor(theme::kCream);
    cairo_fill(cr);
    cairo_pattern_t* glow = cairo_pattern_create_radial(256, 256, 10, 256, 256, 250);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 0.85, 1);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.85, 0);
    cairo_rectangle(cr, 0, 0, kFace, kFace);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_arc(cr, 256, 256, 60, 0, 2 * M_PI);
    canvas.SetColor(theme::kYellow.Lighter(0.5));
    cairo_fill_preserve(cr);
    canvas.SetColor(theme::kOrange);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

void PaintFloor(const Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    PaintWood(canvas, 0, 0, kFace, kFace, 21);
    cairo_rectangle(cr, 0, 0, kFace, kFace);
    canvas.SetColor(theme::kFloor.Darker(0.2).WithAlpha(0.45));
    cairo_fill(cr);
    canvas.RoundedRect(96, 96, 320, 320, 60);
    canvas.SetColor(theme::kBlue.Lighter(0.2));
    cairo_fill(cr);
    canvas.RoundedRect(126, 126, 260, 260, 40);
    canvas.SetColor(theme::kCream);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
}

}  // namespace

void GenerateSkyBox(GeneratorContext& context) {
    struct Face {
        formats::SkyFace face;
        const char* file;
    };
    const Face faces[] = {
        {formats::kSkyRight, "skybox01_right.jpg"}, {formats::kSkyLeft, "skybox01_left.jpg"},
        {formats::kSkyTop, "skybox01_top.jpg"},     {formats::kSkyBottom, "skybox01_bottom.jpg"},
        {formats::kSkyFront, "skybox01_front.jpg"}, {formats::kSkyBack, "skybox01_back.jpg"}};
    formats::SkyBoxFile sky;
    for (const Face& face : faces) {
        Canvas canvas(kFace, kFace);
        switch (face.face) {
            case formats::kSkyRight:
                PaintWindowWall(canvas);
                break;
            case formats::kSkyLeft:
                PaintShelfWall(canvas, context.fonts);
                break;
            case formats::kSkyTop:
                PaintCeiling(canvas);
                break;
            case formats::kSkyBottom:
                PaintFloor(canvas);
                break;
            case formats::kSkyFront:
                PaintDoorWall(canvas);
                break;
            default:
                PaintPictureWall(canvas);
                break;
        }
        sky.faces[face.face] = face.file;
        context.out.Write(std::string("data/") + face.file, canvas.EncodeJpg(88));
        context.preview.Add("Sky box", face.file, canvas);
    }
    context.out.Write("data/skybox01.sky", formats::WriteSkyBox(sky));
}

}  // namespace assetgen
