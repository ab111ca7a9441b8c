// Painting menu pictures to the game's placement rules: a picture of w x h menu
// units is drawn at 32 pixels a unit, and a button's face is drawn where its
// hit outline lies relative to the picture's centre.
#pragma once

#include <string>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/font_set.h"

namespace assetgen {

// A picture's size and centre and the outline of its button, all in menu units
// (y up). Pictures without an outline use the face rectangle they are given.
struct Placement {
    double width, height;             // picture size
    double centreX, centreY;          // where the picture's centre is placed
    double left, right, top, bottom;  // hit outline
};

struct PixelRect {
    double x, y, w, h;
};

// The outline of p in the picture's pixels, grown by grow menu units on each side.
PixelRect OutlinePixels(const Placement& p, double grow);
// A point of menu space in the picture's pixels.
void MenuToPixels(const Placement& p, double menuX, double menuY, double& px, double& py);

// A canvas of the placement's picture size.
int PixelsOf(double units);

enum class ButtonColour { Blue, Green, Red, Orange, Purple };

// A glossy toy-plastic button face with its label over rect. Lit: warm yellow
// face, white label and a glow around it.
void PaintButtonFace(const Canvas& canvas, const FontSet& fonts, const PixelRect& rect,
                     const std::string& label, ButtonColour colour, bool lit);

// A folder tab (rounded top corners) with its label; active tabs are lit.
void PaintTab(const Canvas& canvas, const FontSet& fonts, const PixelRect& rect, const std::string& label,
              bool lit);

// A round arrow button pointing left or right.
void PaintArrowButton(const Canvas& canvas, const PixelRect& rect, bool pointsRight, bool lit);

// A lit row band: translucent so the row's own label shows through.
void PaintRowGlow(const Canvas& canvas, const PixelRect& rect);

// A heading ribbon with text, centred in the canvas.
void PaintHeading(const Canvas& canvas, const FontSet& fonts, const std::string& text);

// A rounded panel: a dark card (the game prints yellow and white text on it)
// inside a coloured toy-plastic rim.
void PaintPanel(const Canvas& canvas, const PixelRect& rect, const Rgba& rim);

}  // namespace assetgen
