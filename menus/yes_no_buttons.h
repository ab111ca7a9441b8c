// The Yes and No buttons the question panels share (the exit and clearing questions beside
// the main menu, and the in-race dialog): the same pack pictures, place and click outline.
#pragma once

#include <array>
#include <cstdint>

#include "core/pack_texture.h"
#include "menus/outline_vertex.h"

namespace yes_no_buttons {

struct Layout {
    const char* name;
    uint16_t baseEntry, highlightEntry;  // entries of "data\Forms.dat"
    double centreX;
    double left, right, top, bottom;  // click outline, menu units
};

inline constexpr Layout kLayouts[2] = {
    {"ExitYes", 4, 5, -3, -5.3, -0.1, -2.1, -3.3},
    {"ExitNo", 6, 7, 3, 0.9, 6.2, -2.1, -3.3},
};

// Builds both buttons (8 x 4 units at y -2.5, base half see-through, not hovered).
// `buildPictures(button, highlight, base)` makes a button's two pictures from its textures,
// which differ between the sprite and the mesh buttons.
template <class Button, class BuildPictures>
void Build(std::array<Button, 2>& buttons, BuildPictures buildPictures) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        const Layout& layout = kLayouts[i];
        Button& button = buttons[i];
        button.hovered = false;
        buildPictures(button, LoadPackTexture("data\\Forms.dat", layout.highlightEntry),
                      LoadPackTexture("data\\Forms.dat", layout.baseEntry));
        for (int which = 0; which < 2; ++which) {
            button.SetScale(which, 8, 4);
            button.SetLocation(which, layout.centreX, -2.5);
        }
        button.base.SetAlpha(100);
        button.highlight.SetAlpha(button.highlight.alpha);
        button.outline = RectangleOutline(layout.left, layout.top, layout.right, layout.bottom);
        button.name = layout.name;
    }
}

}  // namespace yes_no_buttons
