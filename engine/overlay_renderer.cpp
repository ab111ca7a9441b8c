// Drawing sprites and texts.
#include "engine/overlay_renderer.h"

#include <epoxy/gl.h>

#include <algorithm>

#include "engine/engine_instance.h"
#include "engine/text_layout.h"

namespace engine {
namespace {

const char* kVertexShader = R"(#version 330 core
uniform vec2 uScale;
uniform vec2 uOffset;
in vec3 aPosition;
in vec2 aTexCoord;
out vec2 vTexCoord;
void main() {
    vec2 overlay = aPosition.xy * uScale + uOffset;
    gl_Position = vec4(overlay / vec2(16.0, 12.0), 0.0, 1.0);
    vTexCoord = aTexCoord;
}
)";

const char* kFragmentShader = R"(#version 330 core
uniform sampler2D uTexture;
uniform vec4 uColor;
in vec2 vTexCoord;
out vec4 fragColor;
void main() {
    fragColor = texture(uTexture, vTexCoord) * uColor;
}
)";

void UseViewport(const PixelRect& rect) { glViewport(rect.x, rect.y, rect.width, rect.height); }

}  // namespace

bool OverlayRenderer::Build(std::string* error) {
    if (!program_.Build(kVertexShader, kFragmentShader, error)) return false;
    textStore_.Create();
    const GLsizei stride = 8 * sizeof(float);
    glEnableVertexAttribArray(kAttributePosition);
    glVertexAttribPointer(kAttributePosition, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    glEnableVertexAttribArray(kAttributeTexCoord);
    glVertexAttribPointer(kAttributeTexCoord, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(24));
    glBindVertexArray(0);
    return true;
}

void OverlayRenderer::Draw(Engine& engine) {
    program_.Use();
    glUniform1i(program_.Uniform("uTexture"), 0);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    DrawSprites(engine);
    DrawTexts(engine);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

void OverlayRenderer::DrawSprites(Engine& engine) {
    std::vector<const Sprite*>& visible = visible_;
    visible.clear();
    engine.sprites.ForEach([&](EngineHandle, Sprite& sprite) {
        if (sprite.visible && sprite.model) visible.push_back(&sprite);
    });
    std::sort(visible.begin(), visible.end(), [](const Sprite* a, const Sprite* b) {
        return a->priority != b->priority ? a->priority < b->priority : a->serial < b->serial;
    });
    for (const Sprite* sprite : visible) {
        UseViewport(engine.ViewportOf(sprite->camera));
        glUniform2f(program_.Uniform("uScale"), sprite->scale.x, sprite->scale.y);
        glUniform2f(program_.Uniform("uOffset"), sprite->location.x, sprite->location.y);
        for (const ModelPart& part : sprite->model->parts) {
            // A part with no opacity leaves every pixel as it is (a faded-out cover).
            const float alpha = sprite->color[3] * part.diffuse[3];
            if (!(alpha > 0)) continue;
            const EngineHandle texture = engine.textures.Get(sprite->texture) ? sprite->texture : part.texture;
            glBindTexture(GL_TEXTURE_2D, engine.textures.GlName(texture));
            glUniform4f(program_.Uniform("uColor"), sprite->color[0] * part.diffuse[0],
                        sprite->color[1] * part.diffuse[1], sprite->color[2] * part.diffuse[2],
                        alpha);
            glBindVertexArray(part.vertexArray);
            glDrawElements(GL_TRIANGLES, part.indexCount, GL_UNSIGNED_INT, nullptr);
        }
    }
    glBindVertexArray(0);
}

void OverlayRenderer::DrawTexts(Engine& engine) {
    glUniform2f(program_.Uniform("uScale"), 1, 1);
    glUniform2f(program_.Uniform("uOffset"), 0, 0);
    textStore_.Bind();
    for (const PrintedText& text : engine.texts) {
        const Font* font = engine.fonts.Get(text.font);
        if (!font || !(text.color[3] > 0)) continue;
        const Texture* atlas = engine.textures.Get(font->texture);
        textVertices_.clear();
        TextLayout::Append(*font, atlas ? atlas->width : 0, atlas ? atlas->height : 0, text, &textVertices_);
        if (textVertices_.empty()) continue;
        UseViewport(engine.ViewportOf(font->camera));
        glBindTexture(GL_TEXTURE_2D, engine.textures.GlName(font->texture));
        glUniform4fv(program_.Uniform("uColor"), 1, text.color);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(textVertices_.size() * sizeof(float)), textVertices_.data(),
                     GL_STREAM_DRAW);
        glDrawArrays(GL_TRIANGLES, 0, GLsizei(textVertices_.size() / 8));
    }
    glBindVertexArray(0);
}

}  // namespace engine
