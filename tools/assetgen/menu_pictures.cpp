// Button pairs, tabs, arrows and headings as pack entries.
#include "tools/assetgen/menu_pictures.h"

namespace assetgen {

namespace {

constexpr double kFaceGrow = 0.12;  // menu units the face extends past the hit outline

}  // namespace

void AddButtonPair(GeneratorContext& context, PackBuilder& pack, int baseIndex, int litIndex,
                   const Placement& placement, const std::string& label, ButtonColour colour) {
    for (bool lit : {false, true}) {
        Canvas canvas(PixelsOf(placement.width), PixelsOf(placement.height));
        PaintButtonFace(canvas, context.fonts, OutlinePixels(placement, kFaceGrow), label, colour, lit);
        pack.Set(context, lit ? litIndex : baseIndex, canvas);
    }
}

void AddTabPair(GeneratorContext& context, PackBuilder& pack, int baseIndex, int litIndex,
                const Placement& placement, const std::string& label) {
    for (bool lit : {false, true}) {
        Canvas canvas(PixelsOf(placement.width), PixelsOf(placement.height));
        PaintTab(canvas, context.fonts, OutlinePixels(placement, kFaceGrow), label, lit);
        pack.Set(context, lit ? litIndex : baseIndex, canvas);
    }
}

void AddResizedTab(GeneratorContext& context, PackBuilder& pack, int index, const Placement& tab,
                   double width, double height, const std::string& label) {
    Placement resized = tab;
    resized.width = width;
    resized.height = height;
    Canvas canvas(PixelsOf(width), PixelsOf(height));
    PaintTab(canvas, context.fonts, OutlinePixels(resized, kFaceGrow), label, true);
    pack.Set(context, index, canvas);
}

void AddArrowPair(GeneratorContext& context, PackBuilder& pack, int baseIndex, int litIndex,
                  const Placement& placement, bool pointsRight) {
    for (bool lit : {false, true}) {
        Canvas canvas(PixelsOf(placement.width), PixelsOf(placement.height));
        PaintArrowButton(canvas, OutlinePixels(placement, kFaceGrow), pointsRight, lit);
        pack.Set(context, lit ? litIndex : baseIndex, canvas);
    }
}

void AddHeading(GeneratorContext& context, PackBuilder& pack, int index, double width, double height,
                const std::string& text) {
    Canvas canvas(PixelsOf(width), PixelsOf(height));
    PaintHeading(canvas, context.fonts, text);
    pack.Set(context, index, canvas);
}

}  // namespace assetgen
