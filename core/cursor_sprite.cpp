// Cursor sprite construction and visibility.
#include "core/cursor_sprite.h"

#include "core/pack_texture.h"

void CursorSprite::Build(EngineHandle camera) {
    sprite_ = iSpriteCreate("data\\sprite.x", camera);
    iSpritePrioritySet(sprite_, 1);
    iSpriteScaleSet(sprite_, {1.5f, 1.25f});
    for (uint16_t k = 0; k < frames_.size(); ++k) frames_[k] = LoadPackTexture("data\\Cursor.dat", k);
    frame_ = 1;
    iSpriteTextureSet(sprite_, frames_[0]);
}

void CursorSprite::Show() { iSpriteShow(sprite_); }

void CursorSprite::Hide() { iSpriteHide(sprite_); }
