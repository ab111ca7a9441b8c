// Window placement, display mode codes and the block handed to the engine.
#include <gtest/gtest.h>

#include "core/app_config.h"

TEST(AppConfig, WindowIsCentredWithRoomForThePictureAndOneCaption) {
    const AppConfig config = DefaultAppConfig(1921, 1080, 23);
    EXPECT_EQ(config.left, 960 - 403);
    EXPECT_EQ(config.top, 540 - 303);
    EXPECT_EQ(config.right - config.left, 806);
    EXPECT_EQ(config.bottom - config.top, 606 + 23);
    EXPECT_EQ(config.className, "Pebbledash");
    EXPECT_EQ(config.title, "Pebbledash");
    EXPECT_EQ(config.displayModeCode, 15360000);
    EXPECT_EQ(config.fullscreen, 0);
    EXPECT_EQ(config.lastSlot, -1);
}

TEST(AppConfig, DisplayModeCodesFollowResolutionAndDepth) {
    AppConfig config = DefaultAppConfig(1024, 768, 0);
    ApplyDisplaySettings(config, 1, 0, 0, 0);
    EXPECT_EQ(config.displayModeCode, 640 * 480 * 16);
    EXPECT_EQ(config.fullscreen, 0);
    ApplyDisplaySettings(config, 0, 2, 1, 1);
    EXPECT_EQ(config.displayModeCode, 1024 * 768 * 32);
    EXPECT_EQ(config.fullscreen, -1);
    EXPECT_EQ(config.engineOptionSlot, 2);
    // Only 1 means windowed: any other byte in the file asks for full screen.
    ApplyDisplaySettings(config, 7, 1, 1, 0);
    EXPECT_EQ(config.fullscreen, -1);
    EXPECT_EQ(config.displayModeCode, 800 * 600 * 32);
    EXPECT_EQ(config.engineOptionSlot, 0);
}

TEST(AppConfig, EngineBlockCarriesTheModeAndResetsTheLastSlot) {
    AppConfig config = DefaultAppConfig(800, 600, 0);
    ApplyDisplaySettings(config, 0, 1, 1, 1);
    config.lastSlot = 3;
    const auto block = FillEngineSettingsBlock(config);
    EXPECT_EQ(block, (std::array<int32_t, 6>{0, 0, 15360000, 2, -1, 3}));
    EXPECT_EQ(config.lastSlot, -1);
}
