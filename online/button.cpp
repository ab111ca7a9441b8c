// The share screen's picture buttons.
#include "online/button.h"

namespace {

// Layout pixels to the menu camera's plane at distance 6: the layout centre (400, 300)
// lands at (0, 10), straight ahead.
constexpr float kUnitsPerPixel = 0.011575f;
constexpr float kScalePerPixel = 0.0072125f;
constexpr float kLeftEdge = -4.63f;
constexpr float kBottomEdge = 6.5275f;
constexpr float kDepth = 6;
constexpr int kButtonPriority = 10;

EngineHandle MakePicture(const std::string& path, const LayoutRect& rect) {
    if (path.empty()) return 0;
    const EngineHandle mesh = iMeshCreate("data\\Sprite.x");
    iMeshTextureSet(mesh, iTextureCreate(path.c_str()));
    const float x = static_cast<float>(rect.left + rect.width / 2) * kUnitsPerPixel + kLeftEdge;
    const float y = static_cast<float>(600 - rect.top - rect.height / 2) * kUnitsPerPixel + kBottomEdge;
    iMeshLocationSet(mesh, {x, y, kDepth});
    iMeshScaleSet(mesh, static_cast<float>(rect.width) * kScalePerPixel, static_cast<float>(rect.height) * kScalePerPixel,
                  0);
    iMeshRenderPrioritySet(mesh, kButtonPriority);
    // The pictures' transparent corners show the background through them.
    iMeshRenderModeSet(mesh, 5, 6, -1, 0);
    return mesh;
}

}  // namespace

void TButton::Build() {
    hoverMesh = MakePicture(hoverPath, hoverRect);
    normalMesh = MakePicture(normalPath, normalRect);
    waitMesh = MakePicture(waitPath, waitRect);
    hovered = false;
    visible = true;
    ready = !IsExit();
}

void TButton::TestPointer(int px, int py) {
    const LayoutRect& r = normalRect;
    hovered = r.left <= px && px <= r.left + r.width && r.top <= py && py <= r.top + r.height;
}

void TButton::ShowPicture() const {
    for (const EngineHandle mesh : {hoverMesh, normalMesh, waitMesh}) {
        if (mesh != 0) iMeshHide(mesh);
    }
    if (!visible) return;
    const EngineHandle shown = !ready ? waitMesh : hovered ? hoverMesh : normalMesh;
    if (shown != 0) iMeshShow(shown);
}
