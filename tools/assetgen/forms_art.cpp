// data/Forms.dat: the frames, panels and buttons the side screens and dialogs
// share. Entries no screen uses stay empty pictures.
#include "tools/assetgen/generators.h"
#include "tools/assetgen/menu_pictures.h"
#include "tools/assetgen/theme.h"

namespace assetgen {

namespace {

void AddPanel(GeneratorContext& context, PackBuilder& pack, int index, double width, double height,
              double margin, const Rgba& rim) {
    Canvas canvas(PixelsOf(width), PixelsOf(height));
    const double m = margin * theme::kPixelsPerUnit;
    PaintPanel(canvas, {m, m, canvas.Width() - 2 * m, canvas.Height() - 2 * m - 6}, rim);
    pack.Set(context, index, canvas);
}

// The high-score frame, 18 x 16 at (6.5, -0.7): a panel with its heading and the
// rank numbers in front of the ten lines the screen prints from y = 1.7 down.
void AddScoreFrame(GeneratorContext& context, PackBuilder& pack) {
    const Placement frame{18, 16, 6.5, -0.7, 0, 0, 0, 0};
    Canvas canvas(PixelsOf(frame.width), PixelsOf(frame.height));
    PaintPanel(canvas, {10, 10, canvas.Width() - 20.0, canvas.Height() - 26.0}, theme::kOrange);
    Canvas heading(PixelsOf(11), PixelsOf(2.4));
    PaintHeading(heading, context.fonts, "High Scores");
    double hx, hy;
    MenuToPixels(frame, 6.5, 6.0, hx, hy);
    canvas.Paint(heading, hx - heading.Width() / 2.0, hy - heading.Height() / 2.0, heading.Width(),
                 heading.Height());
    TextStyle rank{context.fonts.Bold(), 15, theme::kLabel.WithAlpha(0.8)};
    rank.align = Align::Right;
    for (int r = 1; r <= 10; ++r) {
        double px, py;
        MenuToPixels(frame, 2.4, 1.7 - 0.96 * (r - 1), px, py);
        canvas.Text(std::to_string(r) + ".", px, py, rank);
    }
    pack.Set(context, 2, canvas);
}

// The name-entry panel, 17.68 x 12.88 at the screen's centre (y from 6.44 down to
// -6.44), with its heading; the screen prints the prompts and the two fields on it,
// the first line ("Your score is ...") at y = 4.2, so the heading ribbon with its
// tails stays above y = 4.5.
void AddNamePanel(GeneratorContext& context, PackBuilder& pack) {
    Canvas canvas(static_cast<int>(17.68 * 32), static_cast<int>(12.88 * 32));
    PaintPanel(canvas, {8, 8, canvas.Width() - 16.0, canvas.Height() - 22.0}, theme::kGreen);
    Canvas heading(PixelsOf(9), PixelsOf(1.8));
    PaintHeading(heading, context.fonts, "New High Score!");
    canvas.Paint(heading, (canvas.Width() - heading.Width()) / 2.0, 2, heading.Width(), heading.Height());
    pack.Set(context, 54, canvas);
}

// A text field: a dark inset box over the field's outline, lit with a yellow rim.
void AddTextFieldPair(GeneratorContext& context, PackBuilder& pack) {
    const Placement field{14.24, 2.4, 0.1, 0.1, -6.4, 7.0, 0.7, -1.0};
    for (bool lit : {false, true}) {
        Canvas canvas(static_cast<int>(14.24 * 32), PixelsOf(2.4));
        const PixelRect r = OutlinePixels(field, 0.05);
        canvas.RoundedRect(r.x, r.y, r.w, r.h, 10);
        canvas.SetColor({0, 0, 0, 0.55});
        cairo_fill_preserve(canvas.Cr());
        canvas.SetColor(lit ? theme::kYellow : theme::kLabel.WithAlpha(0.6));
        cairo_set_line_width(canvas.Cr(), lit ? 4 : 2);
        cairo_stroke(canvas.Cr());
        pack.Set(context, lit ? 46 : 45, canvas);
    }
}

}  // namespace

void GenerateFormsPack(GeneratorContext& context) {
    PackBuilder pack("data/Forms.dat");
    AddPanel(context, pack, 1, 18, 12, 1.2, theme::kBlue);
    AddScoreFrame(context, pack);
    AddPanel(context, pack, 3, 20, 18, 0.5, theme::kRed);
    AddButtonPair(context, pack, 4, 5, {8, 4, -3, -2.5, -5.3, -0.1, -2.1, -3.3}, "Yes", ButtonColour::Green);
    AddButtonPair(context, pack, 6, 7, {8, 4, 3, -2.5, 0.9, 6.2, -2.1, -3.3}, "No", ButtonColour::Red);
    AddHeading(context, pack, 14, 6, 3, "Help");
    AddButtonPair(context, pack, 16, 17, {6, 3, 3.8, -7, 1.8, 6.7, -6.6, -7.7}, "Previous",
                  ButtonColour::Blue);
    AddButtonPair(context, pack, 18, 19, {6, 3, 9.2, -7, 7.3, 12.3, -6.6, -7.7}, "Next", ButtonColour::Blue);
    AddButtonPair(context, pack, 20, 21, {10, 6, 2.8, -9, 0.2, 6.7, -8.3, -10.1}, "Clear", ButtonColour::Red);
    AddButtonPair(context, pack, 22, 23, {10, 6, 10, -9, 7.3, 14.1, -8.3, -10.1}, "World Scores",
                  ButtonColour::Purple);
    const Placement tabs[3] = {{8, 4, 1.9, 4, 0.0, 4.5, 4.5, 3.4},
                               {8, 4, 6.5, 4, 4.7, 9.2, 4.5, 3.4},
                               {8, 4, 11.1, 4, 9.4, 13.9, 4.5, 3.4}};
    const char* tabLabels[3] = {"Easy", "Medium", "Hard"};
    for (int tab = 0; tab < 3; ++tab)
        AddTabPair(context, pack, 24 + 3 * tab, 25 + 3 * tab, tabs[tab], tabLabels[tab]);
    AddTextFieldPair(context, pack);
    AddButtonPair(context, pack, 48, 49, {8, 4, -3, -5.1, -5.1, 0.0, -4.6, -5.7}, "OK", ButtonColour::Green);
    AddButtonPair(context, pack, 50, 51, {8, 4, 3, -5.1, 0.9, 6.0, -4.6, -5.7}, "Cancel", ButtonColour::Red);
    AddNamePanel(context, pack);
    pack.Write(context);
}

}  // namespace assetgen
