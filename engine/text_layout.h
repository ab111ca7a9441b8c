// TextLayout: turns one printed line into glyph quads in overlay units.
//
// size.x and size.y are the em box's width and height in overlay units; a glyph
// of the font's em size in pixels scales by size / emPixels. The pen starts at
// location.x; the em box's vertical middle lies on location.y. Each character
// moves the pen by its advance (scaled) plus spacing.
#pragma once

#include <vector>

#include "engine/scene_objects.h"

namespace engine {

class TextLayout {
public:
    // Appends two triangles per drawn glyph, 8 floats a vertex (x, y, 0, 0, 0, 0, u, v).
    // Returns where the pen ends.
    static float Append(const Font& font, int atlasWidth, int atlasHeight, const PrintedText& text,
                        std::vector<float>* vertices);
};

}  // namespace engine
