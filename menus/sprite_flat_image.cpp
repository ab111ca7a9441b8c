// Sprite-based flat image.
#include "menus/sprite_flat_image.h"

#include "core/shared_objects.h"

namespace {
constexpr double kScalePerMenuUnit = 0.625;
}  // namespace

void TSpriteFlatImage::Build(EngineHandle texture) {
    sprite = iSpriteCreate("data\\sprite.x", Shared.MainCamera);
    iSpriteTextureSet(sprite, texture);
}

void TSpriteFlatImage::SetLocation(double newX, double newY) {
    x = newX;
    y = newY;
    iSpriteLocationSet(sprite, {static_cast<float>(x), static_cast<float>(y)});
}

void TSpriteFlatImage::SetScale(double sx, double sy) {
    scaleX = sx;
    scaleY = sy;
    iSpriteScaleSet(sprite, {static_cast<float>(sx * kScalePerMenuUnit), static_cast<float>(sy * kScalePerMenuUnit)});
}

void TSpriteFlatImage::SetAlpha(int percent) {
    alpha = static_cast<int8_t>(percent);
    iSpriteColorSet(sprite, 1.0f, 1.0f, 1.0f, static_cast<float>(percent / 100.0));
}

void TSpriteFlatImage::Show() { iSpriteShow(sprite); }

void TSpriteFlatImage::Hide() { iSpriteHide(sprite); }
