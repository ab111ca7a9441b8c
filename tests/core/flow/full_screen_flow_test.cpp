// Full screen on desktops of every shape and a window on a dense display, through the real
// program: the chosen picture fills the screen's height or width with black bars keeping
// 4:3, and a click lands on the menu button under the pointer despite bars and scaling.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "generated_game_folder.h"

namespace {

using test_support::GeneratedGameFolder;

// The settings of a first start with the display mode and resolution set.
std::vector<uint8_t> DisplaySettings(bool windowed, int resolution) {
    std::vector<uint8_t> bytes(48, 0);
    bytes[0] = windowed ? 1 : 0;
    bytes[3] = static_cast<uint8_t>(resolution);
    bytes[8] = 50;
    bytes[12] = 50;
    bytes[27] = 88;
    const uint16_t keys[] = {203, 205, 200, 208, 200, 208, 57};
    for (int i = 0; i < 7; ++i) {
        bytes[32 + 2 * i] = keys[i] & 0xff;
        bytes[33 + 2 * i] = keys[i] >> 8;
    }
    return bytes;
}

struct Display {
    const char* name;
    std::string desktop;       // --desktop
    bool windowed;
    int resolution;            // 0 640 x 480, 1 800 x 600, 2 1024 x 768
    int windowWidth, windowHeight;
    int pictureWidth;          // of the picture shot
};

class FullScreenFlow : public ::testing::TestWithParam<Display> {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
    }
    GeneratedGameFolder folder_;
};

void PrintTo(const Display& display, std::ostream* out) { *out << display.name; }

bool Black(const std::array<uint8_t, 4>& p) { return p[0] < 8 && p[1] < 8 && p[2] < 8; }

TEST_P(FullScreenFlow, ThePictureKeeps4To3AndTheStartButtonTakesTheClick) {
    const Display& display = GetParam();
    test_support::WriteFile(folder_.Path() / "data" / "settings.dat",
                            DisplaySettings(display.windowed, display.resolution));
    // Just left of the Start button, in the picture but where a mapping that forgot the
    // bars would land on it: nothing happens.
    const auto script = folder_.Path() / "script.txt";
    test_support::WriteFile(script, std::string("150 mouse -15.5 0.7\n151 click\n"));
    const std::string common = "--no-draw --frame-ms 16 --desktop " + display.desktop + " --script '" + script.string() + "'";
    const auto beside = folder_.Run("--frames 200 " + common);
    ASSERT_EQ(beside.exitCode, 0) << beside.log;
    EXPECT_EQ(beside.Number("app_state"), 5) << "a click beside Start took it: " << beside.report;

    // On the Start button: the car choice has slid in and taken over by frame 200.
    test_support::WriteFile(script, std::string("150 shot menu\n150 mouse -10 0.7\n151 click\n"));
    const auto run = folder_.Run("--frames 200 " + common);
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 36) << "the click missed Start: " << run.report;

    const auto picture = test_support::ReadPng(folder_.Path() / "shots" / "menu.png");
    EXPECT_EQ(picture.width, display.pictureWidth);
    EXPECT_EQ(picture.width * 3, picture.height * 4);
    const auto window = test_support::ReadPng(folder_.Path() / "shots" / "menu-window.png");
    ASSERT_EQ(window.width, display.windowWidth);
    ASSERT_EQ(window.height, display.windowHeight);

    // Where the 4:3 picture stands in the window: bars only beside it, the picture itself
    // reaching from edge to edge of the other direction.
    const int height = std::min(window.height, window.width * 3 / 4);
    const int width = height * 4 / 3;
    const int left = (window.width - width) / 2, top = (window.height - height) / 2;
    for (int y = 0; y < window.height; y += 7) {
        if (left > 1) {
            EXPECT_TRUE(Black(window.At(left - 2, y)) && Black(window.At(window.width - left + 1, y))) << y;
        }
    }
    for (int x = 0; x < window.width; x += 7) {
        if (top > 1) {
            EXPECT_TRUE(Black(window.At(x, top - 2)) && Black(window.At(x, window.height - top + 1))) << x;
        }
    }
    // The picture's own points, scaled: the wall's top-right stripes and the floor below the
    // menu are not black in either shot, and the same colour family.
    int unlike = 0;
    for (const auto& [fx, fy] : {std::pair{0.95, 0.5}, std::pair{0.5, 0.9}, std::pair{0.3, 0.1}, std::pair{0.7, 0.7}}) {
        const auto inPicture = picture.At(static_cast<int>(fx * picture.width), static_cast<int>(fy * picture.height));
        const auto inWindow = window.At(left + static_cast<int>(fx * width), top + static_cast<int>(fy * height));
        EXPECT_FALSE(Black(inWindow)) << fx << ", " << fy;
        for (int c = 0; c < 3; ++c) unlike += std::abs(inPicture[c] - inWindow[c]) > 40;
    }
    EXPECT_EQ(unlike, 0) << "the window does not show the picture at its place";
}

INSTANTIATE_TEST_SUITE_P(
    Displays, FullScreenFlow,
    ::testing::Values(Display{"FourThree", "1024x768", false, 1, 1024, 768, 800},
                      Display{"SixteenNine", "1920x1080", false, 0, 1920, 1080, 640},
                      Display{"TwentyOneNine", "2560x1080", false, 2, 2560, 1080, 1024},
                      Display{"DenseWindow", "3840x2160@192", true, 1, 1600, 1200, 1600}),
    [](const ::testing::TestParamInfo<Display>& info) { return std::string(info.param.name); });

}  // namespace
