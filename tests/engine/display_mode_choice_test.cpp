// The full-screen mode chosen when the display lacks the one asked for.
#include "engine/display_mode_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using engine::ChooseFullScreenMode;
using engine::DisplayModeRequest;

TEST(DisplayModeChoice, AskedSizeElseSmallestLargerElseLargestSmallerElseWindow) {
    // Listed as displays list them: largest first, deeper first.
    const std::vector<DisplayModeRequest> modes = {
        {1920, 1080, 32}, {1280, 1024, 32}, {1024, 768, 32}, {1024, 768, 16}, {800, 600, 24}};
    EXPECT_EQ(ChooseFullScreenMode({1024, 768, 16}, modes), 3u) << "asked size and depth";
    EXPECT_EQ(ChooseFullScreenMode({1024, 768, 24}, modes), 2u) << "asked size, deepest";
    EXPECT_EQ(ChooseFullScreenMode({800, 600, 32}, modes), 4u) << "the size wins over the depth";
    EXPECT_EQ(ChooseFullScreenMode({640, 480, 16}, modes), 4u) << "the smallest mode holding the picture";

    const std::vector<DisplayModeRequest> small = {{320, 240, 32}, {600, 800, 32}, {512, 384, 16}};
    EXPECT_EQ(ChooseFullScreenMode({640, 480, 32}, small), 1u) << "none larger both ways: the largest";
    EXPECT_EQ(ChooseFullScreenMode({640, 480, 32}, {}), std::nullopt) << "no mode: a window";
    const std::vector<DisplayModeRequest> broken = {{0, 0, 32}};
    EXPECT_EQ(ChooseFullScreenMode({640, 480, 32}, broken), std::nullopt);
}

}  // namespace
