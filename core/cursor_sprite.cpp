// Cursor sprite construction, visibility, animation and placement.
#include "core/cursor_sprite.h"

#include "core/pack_texture.h"

void CursorSprite::Build(EngineHandle camera) {
    sprite_ = iSpriteCreate("data\\sprite.x", camera);
    iSpritePrioritySet(sprite_, 1);
    iSpriteScaleSet(sprite_, {1.5f, 1.25f});
    for (uint16_t k = 0; k < frames_.size(); ++k) frames_[k] = LoadPackTexture("data\\Cursor.dat", k);
    frame_ = 1;
    frameTimer_ = -1.0L;
    iSpriteTextureSet(sprite_, frames_[0]);
}

void CursorSprite::Show() { iSpriteShow(sprite_); }

void CursorSprite::Hide() { iSpriteHide(sprite_); }

void CursorSprite::Animate(long double frameSeconds) {
    frameTimer_ -= frameSeconds;
    if (frameTimer_ >= 0) return;
    frameTimer_ = kFrameSeconds;
    frame_ = frame_ % static_cast<int>(frames_.size()) + 1;
    iSpriteTextureSet(sprite_, frames_[frame_ - 1]);
}

void CursorSprite::PlaceAt(long double x, long double y) {
    location_ = {static_cast<float>(x), static_cast<float>(y)};
    iSpriteLocationSet(sprite_, location_);
}
