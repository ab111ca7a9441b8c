// The options screen drawn with the generated artwork: each page at rest and one mid-slide.
// The shots stay in opt_menu_shots/ beside the test for a look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/app_state.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "menus/opt_menu.h"
#include "test_program_data.h"
#include "tests/core/temp_program_folder.h"

namespace {

namespace fs = std::filesystem;

class OptMenuRenderTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    platform::WindowHandle window = nullptr;
    TOptMenu menu{TOptMenu::Hooks{[](uint8_t) {}, [] {}, [] {}, [] {}}};

    void SetUp() override {
        const char* bin = std::getenv("PEBBLEDASH_BIN");
        if (!bin || !fs::exists(fs::path(bin) / "data" / "OptMenu.dat")) GTEST_SKIP() << "no generated data";
        // The generated data without its saved files, which the test must not touch.
        for (const auto& entry : fs::directory_iterator(fs::path(bin) / "data")) {
            const std::string name = entry.path().filename().string();
            if (name != "settings.dat" && name != "records.dat") fs::create_symlink(entry.path(), folder.Path("data/" + name));
        }
        window = platform::CreateMainWindow(platform::WindowConfig{});
        ASSERT_NE(window, nullptr);
        ASSERT_NE(iEngineOpen(window, 0), 0);
        const int32_t block[6] = {0, 0, 800 * 600 * 32, 0, 0, -1};
        ASSERT_NE(iEngineSettings(block), 0);
        Shared.MainCamera = iCameraCreate(0, 0, 1, 1);
        iCameraEulerOrientationSet(Shared.MainCamera, 0, 0, 0, "xyz");
        iCameraLocationSet(Shared.MainCamera, {0, 10, 0});
        iCameraLookAt(Shared.MainCamera, {0, 10, 10}, 1.0f);
        iTextureMipLevelsSet(0);
        Shared.Fonts[0] = iFontCreate("data\\_fontg\\Palatino Linotype.wid", Shared.MainCamera);
        iTextureMipLevelsSet(1);
        Saved.settings = Settings{};
        Saved.settings.musicVolume = 100;
        Saved.settings.soundVolume = 0;
        Saved.pendingSettings = Saved.settings;
        AppState = StateOptions;
        menu.Init();
        menu.Enter();
    }
    void TearDown() override {
        if (!window) return;
        iEngineClose();
        Shared = SharedObjects{};
        platform::DestroyWindow(window);
    }
    test_support::Picture Shot(const std::string& name, int frames = 60) {
        for (int i = 0; i < frames; ++i) {
            iPrintsHide();  // as each engine frame starts with no texts
            menu.Update();
        }
        iRender();
        fs::create_directories("opt_menu_shots");
        const std::string path = "opt_menu_shots/" + name + ".png";
        EXPECT_NE(iFrameCapture(path.c_str()), 0);
        return test_support::ReadPng(path);
    }
    static bool Dark(const test_support::Picture& p, int x, int y) {
        const auto c = p.At(x, y);
        return c[0] < 20 && c[1] < 20 && c[2] < 20;
    }
    static int Count(const test_support::Picture& p, int x0, int x1, int y0, int y1, bool yellow) {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const auto c = p.At(x, y);
                if (yellow ? c[0] > 200 && c[1] > 170 && c[2] < 130 : c[0] > 200 && c[1] > 200 && c[2] > 200) ++n;
            }
        }
        return n;
    }
};

// One menu unit is 25 pixels; menu (0, 0) is pixel (400, 300).
constexpr int Px(double x) { return int(400 + 25 * x); }
constexpr int Py(double y) { return int(300 - 25 * y); }

TEST_F(OptMenuRenderTest, PagesAndSlide) {
    // Video: the resolution reads in white (selected), the depth in yellow.
    menu.selection = 5;
    auto p = Shot("video");
    EXPECT_TRUE(Dark(p, Px(-8), Py(0))) << "the left half is the main menu's";
    EXPECT_FALSE(Dark(p, Px(6.5), Py(-0.7))) << "the panel";
    EXPECT_GT(Count(p, Px(10.5), Px(13.5), Py(0.6), Py(-0.6), false), 20) << "800x600 in white";
    EXPECT_GT(Count(p, Px(11.5), Px(13), Py(-1.0), Py(-2.2), true), 3) << "16 in yellow";
    EXPECT_GT(Count(p, Px(0.5), Px(4), Py(4.8), Py(3.2), true), 50) << "the active tab is lit";

    // Controls: the key names, right-aligned at 10.8.
    menu.ItemAction(3);
    menu.selection = 12;
    p = Shot("controls");
    EXPECT_GT(Count(p, Px(8.5), Px(11), Py(1.6), Py(0.6), false), 20) << "UP in white";
    EXPECT_GT(Count(p, Px(8), Px(11), Py(-4.9), Py(-5.9), true), 20) << "F12 in yellow";
    EXPECT_EQ(Count(p, Px(12.4), Px(16), Py(0.4), Py(-5.9), true), 0) << "nothing right of the names";

    // Sound: no texts; the knobs at 13.7 (100) and 4.5 (0).
    menu.ItemAction(2);
    menu.selection = 10;
    p = Shot("sound");
    EXPECT_EQ(Count(p, Px(8), Px(12), Py(-0.6), Py(-6), true), 0) << "no key names on the sound page";
    EXPECT_GT(Count(p, Px(12.9), Px(14.5), Py(1.0), Py(-0.6), true), 30) << "music knob at the right end";
    EXPECT_GT(Count(p, Px(3.7), Px(5.3), Py(-2.4), Py(-4.0), true), 30) << "effects knob at the left end";

    // Half-way in: everything 10 units further right, the texts too.
    menu.ItemAction(1);
    menu.slideOffset = 25;
    p = Shot("video-sliding", 1);
    EXPECT_TRUE(Dark(p, Px(1), Py(-0.7))) << "the panel's left part has not arrived";
    EXPECT_FALSE(Dark(p, Px(14), Py(-0.7)));
}

}  // namespace
