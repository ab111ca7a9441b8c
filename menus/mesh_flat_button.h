// A menu button of two mesh images: a base that is always shown and a highlight that
// fades in while the button is selected; its outline is the hit area for the pointer.
#pragma once

#include <string>
#include <vector>

#include "menus/mesh_flat_image.h"
#include "menus/outline_vertex.h"

class TMeshFlatButton {
public:
    TMeshFlatImage highlight;  // drawn in front of base
    TMeshFlatImage base;
    bool hovered = false;  // set by the screen each frame: true for the selected button only
    bool enabled = false;  // false while sliding or hidden: never contains the pointer, highlight fades out
    std::vector<OutlineVertex> outline;  // menu units; see OutlineContains
    std::string name;                    // the button's identifier, e.g. "MMStart"

    // Builds both images on the same objects (again after the display was re-created); the
    // highlight one priority above the base.
    void Build(EngineHandle highlightTexture, EngineHandle baseTexture, int32_t priority);
    // which 0 the base, 1 the highlight; any other value does nothing.
    void SetLocation(int which, double x, double y);
    void SetScale(int which, double sx, double sy);
    void Show();
    void Hide();
    void SetHovered() { hovered = true; }
    void ClearHovered() { hovered = false; }
    // The pointer (menu units) lies strictly inside the outline of an enabled button.
    bool Contains(double x, double y) const;
    // One frame of the highlight's fade (2 percent), applied to the image every call.
    void UpdateFade();

private:
    TMeshFlatImage* Image(int which);
};
