// Start parameters of the window and the engine.
#include "core/app_config.h"

AppConfig DefaultAppConfig(int desktopWidth, int desktopHeight, int captionHeight) {
    AppConfig config;
    const int halfWidth = desktopWidth / 2;
    const int halfHeight = desktopHeight / 2;
    config.left = halfWidth - 403;
    config.top = halfHeight - 303;
    config.right = halfWidth + 403;
    config.bottom = halfHeight + 303 + captionHeight;
    return config;
}

void ApplyDisplaySettings(AppConfig& config, uint8_t windowed, uint8_t resolution, uint8_t colorDepth,
                          uint8_t engineOption) {
    config.fullscreen = windowed != 1 ? -1 : 0;
    int32_t pixels = 480000;
    if (resolution == 0) pixels = 307200;
    if (resolution == 2) pixels = 786432;
    const int32_t bits = colorDepth == 0 ? 16 : 32;
    config.displayModeCode = pixels * bits;
    config.engineOptionSlot = engineOption != 0 ? 2 : 0;
}

std::array<int32_t, 6> FillEngineSettingsBlock(AppConfig& config) {
    std::array<int32_t, 6> block{0, 0, config.displayModeCode, config.engineOptionSlot, config.fullscreen,
                                 config.lastSlot};
    config.lastSlot = -1;
    return block;
}
