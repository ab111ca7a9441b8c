// Mesh-based flat image.
#include "menus/mesh_flat_image.h"

namespace {
// Menu units to world units at the quad's distance from the camera.
constexpr double kWorldPerMenuX = 0.96875;
constexpr double kWorldPerMenuY = 23.0 / 24.0;
constexpr double kScalePerMenuUnit = 0.605;
}  // namespace

void TMeshFlatImage::Build(EngineHandle texture, int32_t newPriority) {
    priority = newPriority;
    mesh = iMeshCreate("data\\sprite.x");
    iMeshTextureSet(mesh, texture);
    iMeshRenderPrioritySet(mesh, priority);
    iMeshRenderModeSet(mesh, 5, 6, -1, 0);
}

void TMeshFlatImage::SetLocation(double newX, double newY) {
    x = newX;
    y = newY;
    iMeshLocationSet(mesh, {static_cast<float>(x * kWorldPerMenuX), static_cast<float>(y * kWorldPerMenuY + 10),
                            static_cast<float>(20 - 0.1 * priority)});
}

void TMeshFlatImage::SetScale(double sx, double sy) {
    scaleX = sx;
    scaleY = sy;
    iMeshScaleSet(mesh, static_cast<float>(sx * kScalePerMenuUnit), static_cast<float>(sy * kScalePerMenuUnit), 0);
}

void TMeshFlatImage::SetAlpha(int percent) {
    alpha = static_cast<int8_t>(percent);
    iMeshAlphaSet(mesh, static_cast<float>(percent / 100.0));
}

void TMeshFlatImage::Show() { iMeshShow(mesh); }

void TMeshFlatImage::Hide() { iMeshHide(mesh); }
