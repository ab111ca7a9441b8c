// Laying out a line of text.
#include "engine/text_layout.h"

namespace engine {

float TextLayout::Append(const Font& font, int atlasWidth, int atlasHeight, const PrintedText& text,
                         std::vector<float>* vertices) {
    const float em = float(font.emPixels ? font.emPixels : 1);
    const float scaleX = text.size.x / em, scaleY = text.size.y / em;
    const float emTop = text.location.y + text.size.y / 2;
    const float texelU = atlasWidth > 0 ? 1.0f / float(atlasWidth) : 0.0f;
    const float texelV = atlasHeight > 0 ? 1.0f / float(atlasHeight) : 0.0f;
    float pen = text.location.x;
    for (unsigned char c : text.text) {
        const formats::WidGlyph& glyph = font.glyphs[c];
        if (glyph.width > 0 && glyph.height > 0) {
            const float left = pen + glyph.offsetX * scaleX, right = left + glyph.width * scaleX;
            const float top = emTop - glyph.offsetY * scaleY, bottom = top - glyph.height * scaleY;
            const float u0 = glyph.x * texelU, u1 = (glyph.x + glyph.width) * texelU;
            const float v0 = glyph.y * texelV, v1 = (glyph.y + glyph.height) * texelV;
            const float corners[6][4] = {{left, top, u0, v0},     {right, top, u1, v0}, {right, bottom, u1, v1},
                                         {left, top, u0, v0},     {right, bottom, u1, v1}, {left, bottom, u0, v1}};
            for (const auto& corner : corners) {
                vertices->insert(vertices->end(), {corner[0], corner[1], 0, 0, 0, 0, corner[2], corner[3]});
            }
        }
        pen += glyph.advance * scaleX + text.spacing;
    }
    return pen;
}

}  // namespace engine
