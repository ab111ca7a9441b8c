// Window placement and engine start parameters, filled once at program start.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct AppConfig {
    int32_t left = 0, top = 0, right = 0, bottom = 0;  // outer window rectangle, desktop pixels
    std::string className = "Pebbledash";
    std::string title = "Pebbledash";
    int32_t displayModeCode = 15360000;  // width x height x bits; 800 x 600 x 32
    int32_t fullscreen = 0;              // -1 full screen, 0 windowed
    int32_t engineOptionSlot = 0;        // 0 or 2
    int32_t lastSlot = -1;
};

// The defaults: a window centred on a desktop of the given size, room for an
// 800 x 600 picture inside the frame and one caption.
AppConfig DefaultAppConfig(int desktopWidth, int desktopHeight, int captionHeight);

// Display fields from the saved settings: full screen unless windowed is 1;
// resolution 0/1/2 gives 640x480, 800x600, 1024x768; colour depth 0/1 gives 16/32 bits.
void ApplyDisplaySettings(AppConfig& config, uint8_t windowed, uint8_t resolution, uint8_t colorDepth,
                          uint8_t engineOption);

// The six values handed to the engine: 0, 0, mode code, engine option, full screen, last slot.
// lastSlot is set to -1 again once the block is filled.
std::array<int32_t, 6> FillEngineSettingsBlock(AppConfig& config);
