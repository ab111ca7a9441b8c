// Where the flat images land on an 800 x 600 picture: sprite and mesh images of one size at one
// menu place cover the same square (one menu unit is 25 pixels; the centre is (400, 300)).
#include <gtest/gtest.h>

#include <filesystem>

#include "core/shared_objects.h"
#include "menus/mesh_flat_image.h"
#include "menus/sprite_flat_image.h"
#include "test_program_data.h"
#include "tests/core/temp_program_folder.h"

namespace {

class FlatImageRenderTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    platform::WindowHandle window = nullptr;

    void SetUp() override {
        test_support::WriteStartupData(folder.Path(""));
        window = platform::CreateMainWindow(platform::WindowConfig{});
        ASSERT_NE(window, nullptr);
        ASSERT_NE(iEngineOpen(window, 0), 0);
        const int32_t block[6] = {0, 0, 800 * 600 * 32, 0, 0, -1};
        ASSERT_NE(iEngineSettings(block), 0);
        Shared.MainCamera = iCameraCreate(0, 0, 1, 1);
        iCameraEulerOrientationSet(Shared.MainCamera, 0, 0, 0, "xyz");
        iCameraLocationSet(Shared.MainCamera, {0, 10, 0});
        iCameraLookAt(Shared.MainCamera, {0, 10, 10}, 1.0f);
    }
    void TearDown() override {
        iEngineClose();
        Shared = SharedObjects{};
        platform::DestroyWindow(window);
    }
    test_support::Picture Render() {
        iRender();
        const std::string path = folder.Path("shot.png").string();
        EXPECT_NE(iFrameCapture(path.c_str()), 0);
        return test_support::ReadPng(path);
    }
    static bool Lit(const test_support::Picture& p, int x, int y) { return p.At(x, y)[0] > 200; }
    // A 3.2-unit square centred at pixel (cx, cy) is 80 pixels wide: lit 3 pixels inside its
    // edges, dark 4 pixels outside them.
    static void ExpectSquare(const test_support::Picture& p, int cx, int cy) {
        EXPECT_TRUE(Lit(p, cx, cy));
        EXPECT_TRUE(Lit(p, cx - 37, cy) && Lit(p, cx + 36, cy) && Lit(p, cx, cy - 37) && Lit(p, cx, cy + 36));
        EXPECT_FALSE(Lit(p, cx - 44, cy) || Lit(p, cx + 44, cy) || Lit(p, cx, cy - 44) || Lit(p, cx, cy + 44));
    }
};

TEST_F(FlatImageRenderTest, SpriteImageUsesMenuUnitsAndFadesWithItsAlpha) {
    TSpriteFlatImage image;
    image.Build(0);
    image.SetScale(3.2, 3.2);
    image.SetLocation(4, 2);
    image.SetAlpha(100);
    image.Show();
    ExpectSquare(Render(), 500, 250);
    image.SetAlpha(0);
    EXPECT_FALSE(Lit(Render(), 500, 250));
}

TEST_F(FlatImageRenderTest, MeshImageLandsWhereASpriteImageOfTheSameSizeWould) {
    TMeshFlatImage image;
    image.Build(0, 0);
    image.SetScale(3.2, 3.2);
    image.SetLocation(-6, -4);
    image.SetAlpha(100);
    EXPECT_FALSE(Lit(Render(), 250, 400)) << "built hidden";
    image.Show();
    ExpectSquare(Render(), 250, 400);
    image.Hide();
    EXPECT_FALSE(Lit(Render(), 250, 400));
}

}  // namespace
