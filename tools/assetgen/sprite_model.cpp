// data/sprite.x: the quad every sprite and flat menu image is drawn with.
#include "tools/assetgen/generators.h"
#include "tools/assetgen/model_export.h"

namespace assetgen {

// A 1.6 x 1.6 square centred on the origin in the xy plane, its front towards -z
// (the camera looks along +z), the picture upright: its top row along y = +0.8.
// No texture is named: the program sets one on every sprite and flat image.
void GenerateSpriteModel(GeneratorContext& context) {
    MeshBuilder quad("sprite", "");
    const double uv[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    quad.AddQuad({-0.8, -0.8, 0}, {0.8, -0.8, 0}, {0.8, 0.8, 0}, {-0.8, 0.8, 0}, {0, 0, -1}, uv);
    context.out.Write("data/sprite.x", ExportX({quad}));
}

}  // namespace assetgen
