// The engine's sprite, font and text functions.
#include <algorithm>
#include <string>

#include "engine/engine.h"
#include "engine/engine_instance.h"
#include "engine/engine_log.h"
#include "formats/wid_font.h"
#include "platform/platform.h"

using engine::Engine;

namespace {

engine::Sprite* FindSprite(EngineHandle sprite) {
    Engine* e = Engine::Active();
    return e ? e->sprites.Get(sprite) : nullptr;
}

}  // namespace

EngineHandle iSpriteCreate(const char* file, EngineHandle camera) {
    Engine* e = Engine::Active();
    if (!e || !file) return 0;
    auto model = e->models.Get(file, e->textures);
    if (!model) return 0;
    engine::Sprite sprite;
    sprite.model = std::move(model);
    sprite.camera = camera;
    sprite.serial = e->NextSerial();
    return e->sprites.Add(std::move(sprite));
}

void iSpriteTextureSet(EngineHandle sprite, EngineHandle texture) {
    if (engine::Sprite* found = FindSprite(sprite)) found->texture = texture;
}

void iSpriteLocationSet(EngineHandle sprite, const Vec2& location) {
    if (engine::Sprite* found = FindSprite(sprite)) found->location = location;
}

void iSpriteScaleSet(EngineHandle sprite, const Vec2& scale) {
    if (engine::Sprite* found = FindSprite(sprite)) found->scale = scale;
}

void iSpriteColorSet(EngineHandle sprite, float r, float g, float b, float a) {
    engine::Sprite* found = FindSprite(sprite);
    if (!found) return;
    found->color[0] = r;
    found->color[1] = g;
    found->color[2] = b;
    found->color[3] = a;
}

void iSpritePrioritySet(EngineHandle sprite, int priority) {
    if (engine::Sprite* found = FindSprite(sprite)) found->priority = priority;
}

void iSpriteShow(EngineHandle sprite) {
    if (engine::Sprite* found = FindSprite(sprite)) found->visible = true;
}

void iSpriteHide(EngineHandle sprite) {
    if (engine::Sprite* found = FindSprite(sprite)) found->visible = false;
}

EngineHandle iFontCreate(const char* file, EngineHandle camera) {
    Engine* e = Engine::Active();
    if (!e || !file) return 0;
    std::string error;
    const auto bytes = engine::ReadWholeFile(platform::ResolvePath(file), &error);
    if (!bytes) {
        engine::EngineLog::CannotLoad(file, error);
        return 0;
    }
    const auto wid = formats::ReadWidFont(*bytes, &error);
    if (!wid) {
        engine::EngineLog::CannotLoad(file, error);
        return 0;
    }
    engine::Font font;
    font.texture = e->textures.CreateFromMemory(wid->atlasPng, std::string(file) + " (glyph atlas)");
    if (!font.texture) return 0;
    e->textures.ClampEdges(font.texture);
    font.camera = camera;
    font.emPixels = wid->emPixels;
    font.glyphs = wid->glyphs;
    return e->fonts.Add(font);
}

void iPrint(const char* text, const Vec2& location, const Vec2& size, float spacing, EngineHandle font) {
    Engine* e = Engine::Active();
    if (!e || !text || !e->fonts.Get(font)) return;
    engine::PrintedText printed;
    printed.text = text;
    printed.location = location;
    printed.size = size;
    printed.spacing = spacing;
    printed.font = font;
    std::copy(e->printColor, e->printColor + 4, printed.color);
    e->texts.push_back(std::move(printed));
}

void iPrintColorSet(float r, float g, float b, float a) {
    Engine* e = Engine::Active();
    if (!e) return;
    e->printColor[0] = r;
    e->printColor[1] = g;
    e->printColor[2] = b;
    e->printColor[3] = a;
}

void iPrintsHide() {
    if (Engine* e = Engine::Active()) e->texts.clear();
}
