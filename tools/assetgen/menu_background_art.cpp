// data/MenuZadnik.jpg: the full-screen menu background, 1024 x 768.
#include "tools/assetgen/generators.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

// The title stands top left, above the button column (menu y above 7.5); the
// right half stays calm for the side panels.
void GenerateMenuBackground(GeneratorContext& context) {
    Canvas canvas(1024, 768);
    PaintTableScene(canvas, context.fonts, false);
    PaintTitle(canvas, context.fonts, "Pebbledash", 236, 74, 80);
    context.out.Write("data/MenuZadnik.jpg", canvas.EncodeJpg(90));
    context.preview.Add("Plain pictures", "MenuZadnik.jpg", canvas);
}

}  // namespace assetgen
