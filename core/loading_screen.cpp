// Loading picture and progress bar, drawn with iRender while the init phase works.
#include "core/loading_screen.h"

#include "core/pack_texture.h"

namespace {
constexpr const char* kLoadingPack = "data\\Loading.dat";
constexpr uint16_t kBackgroundEntry = 10;
}  // namespace

void LoadingScreen::Build(EngineHandle camera) {
    background_ = iSpriteCreate("data\\sprite.x", camera);
    iSpriteTextureSet(background_, LoadPackTexture(kLoadingPack, kBackgroundEntry));
    iSpriteScaleSet(background_, {20, 15});
    iSpriteShow(background_);

    bar_ = iSpriteCreate("data\\sprite.x", camera);
    iSpriteScaleSet(bar_, {13.125f, 1.125f});
    iSpriteLocationSet(bar_, {0, -9.75f});
    for (uint16_t k = 0; k < barTextures_.size(); ++k) barTextures_[k] = LoadPackTexture(kLoadingPack, k);
    progress_ = 1;
    iSpriteTextureSet(bar_, barTextures_[0]);
    iSpriteShow(bar_);
    iRender();
}

void LoadingScreen::Advance() {
    if (progress_ < static_cast<int>(barTextures_.size())) ++progress_;
    iSpriteTextureSet(bar_, barTextures_[progress_ - 1]);
    iRender();
}

void LoadingScreen::Finish() {
    iSpriteHide(background_);
    iSpriteHide(bar_);
    progress_ = 1;
    iSpriteTextureSet(bar_, barTextures_[0]);
}

void LoadingScreen::Show() {
    iSpriteShow(background_);
    iSpriteShow(bar_);
}
