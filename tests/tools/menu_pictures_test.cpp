// Menu pictures are placed by the screens' layout tables: a button's face covers
// its hit outline inside the picture, its lit twin is a different picture, and
// pack entries the game never shows are empty pictures rather than gaps.
#include <gtest/gtest.h>

#include <stb_image.h>

#include "formats/pack_file.h"
#include "generated_data.h"
#include "tools/assetgen/button_painter.h"
#include "tools/assetgen/pack_builder.h"

namespace assetgen_test {
namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    uint8_t Alpha(double x, double y) const {
        return rgba[(static_cast<size_t>(y) * width + static_cast<size_t>(x)) * 4 + 3];
    }
};

Picture Entry(const std::string& pack, int index) {
    const assetgen::Bytes bytes = ReadBytes(GeneratedRoot() / pack);
    formats::PackFile file(bytes);
    Picture picture;
    const auto data = file.Entry(static_cast<uint16_t>(index));
    if (!data) return picture;
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(data->data(), static_cast<int>(data->size()), &picture.width,
                                            &picture.height, &channels, 4);
    if (!pixels) return picture;
    picture.rgba.assign(pixels, pixels + static_cast<size_t>(picture.width) * picture.height * 4);
    stbi_image_free(pixels);
    return picture;
}

TEST(MenuPlacement, OutlineMapsIntoThePictureAt32PixelsAUnit) {
    // Main menu button 1: a 13 x 3 picture at (-9.5, 0.7), outline -14.5..-4.0 by 1.3..0.0.
    const assetgen::Placement start{13, 3, -9.5, 0.7, -14.5, -4.0, 1.3, 0.0};
    EXPECT_EQ(assetgen::PixelsOf(13), 416);
    EXPECT_EQ(assetgen::PixelsOf(3), 96);
    const assetgen::PixelRect face = assetgen::OutlinePixels(start, 0);
    EXPECT_NEAR(face.x, 48, 1e-9);
    EXPECT_NEAR(face.w, 336, 1e-9);
    EXPECT_NEAR(face.y, 28.8, 1e-9);
    EXPECT_NEAR(face.h, 41.6, 1e-9);
    double px, py;
    assetgen::MenuToPixels(start, -9.5, 0.7, px, py);
    EXPECT_NEAR(px, 208, 1e-9);
    EXPECT_NEAR(py, 48, 1e-9);
}

TEST(MenuPlacement, ButtonFacesCoverTheirOutlinesAndNothingFarBeyond) {
    const struct {
        const char* pack;
        int base;
        assetgen::Placement placement;
    } buttons[] = {
        {"data/MainMenu.dat", 0, {13, 3, -9.5, 0.7, -14.5, -4.0, 1.3, 0.0}},
        {"data/MainMenu.dat", 12, {10, 5, -11, 6.0, -14.5, -6.8, 7.2, 4.7}},
        {"data/OptMenu.dat", 5, {8, 4, 6.5, -7.0, 4.6, 9.4, -6.8, -7.7}},
        {"data/OptMenu.dat", 9, {12, 8, 1.2, 4.0, -1.3, 4.1, 4.8, 3.5}},
        {"data/StartGame.dat", 13, {13, 4, 6.5, 2.5, 1.3, 12.5, 3.4, 1.6}},
        {"data/Forms.dat", 4, {8, 4, -3, -2.5, -5.3, -0.1, -2.1, -3.3}},
        {"data/Forms.dat", 20, {10, 6, 2.8, -9, 0.2, 6.7, -8.3, -10.1}},
    };
    for (const auto& button : buttons) {
        for (int lit = 0; lit < 2; ++lit) {
            const Picture picture = Entry(button.pack, button.base + lit);
            ASSERT_EQ(picture.width, assetgen::PixelsOf(button.placement.width)) << button.pack;
            ASSERT_EQ(picture.height, assetgen::PixelsOf(button.placement.height)) << button.pack;
            const assetgen::PixelRect r = assetgen::OutlinePixels(button.placement, 0);
            // Inside the outline, a little in from each edge: the face.
            for (double fx : {0.1, 0.5, 0.9}) {
                for (double fy : {0.25, 0.5, 0.75}) {
                    EXPECT_GT(picture.Alpha(r.x + r.w * fx, r.y + r.h * fy), 200)
                        << button.pack << " #" << button.base + lit << " at " << fx << ", " << fy;
                }
            }
            // The picture's corners stay clear.
            EXPECT_EQ(picture.Alpha(1, 1), 0) << button.pack << " #" << button.base + lit;
            EXPECT_EQ(picture.Alpha(picture.width - 2, picture.height - 2), 0) << button.pack;
        }
        EXPECT_NE(Entry(button.pack, button.base).rgba, Entry(button.pack, button.base + 1).rgba)
            << button.pack << " #" << button.base << ": the lit picture differs";
    }
}

TEST(MenuPlacement, UnusedFormsEntriesAreEmptyPictures) {
    for (int index : {0, 8, 15, 26, 40, 53}) {
        const Picture picture = Entry("data/Forms.dat", index);
        ASSERT_GT(picture.width, 0) << index;
        for (size_t i = 3; i < picture.rgba.size(); i += 4) EXPECT_EQ(picture.rgba[i], 0) << index;
    }
}

TEST(PackBuilder, RefusesEntriesOutsideThePackAndPacksThatAreNotListed) {
    EXPECT_THROW(assetgen::PackBuilder("data/sprite.x"), std::runtime_error);
    EXPECT_THROW(assetgen::PackBuilder("data/Nothing.dat"), std::runtime_error);
    assetgen::PackBuilder cursor("data/Cursor.dat");
    assetgen::Canvas canvas(4, 4);
    assetgen::AssetOutput out(std::filesystem::temp_directory_path() / "assetgen-test-pack");
    assetgen::PreviewBook preview;
    assetgen::FontSet fonts(ASSETGEN_TEST_FONT, ASSETGEN_TEST_BOLD_FONT);
    assetgen::GeneratorContext context{out, fonts, preview};
    EXPECT_THROW(cursor.Set(context, 10, canvas), std::runtime_error);  // the cursor has entries 0..9
    EXPECT_THROW(cursor.Set(context, -1, canvas), std::runtime_error);
    EXPECT_NO_THROW(cursor.Set(context, 9, canvas));
}

}  // namespace
}  // namespace assetgen_test
