// The generated set as the game will read it: every listed file, every pack
// entry decodable, the formats' readers accept what the generator wrote, and two
// runs write the same bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <stb_image.h>

#include "formats/pack_file.h"
#include "formats/sky_box_file.h"
#include "formats/wid_font.h"
#include "generated_data.h"
#include "tools/assetgen/asset_catalog.h"
#include "tools/assetgen/generator_run.h"

namespace assetgen_test {
namespace {

using assetgen::Bytes;
using assetgen::Catalog;

bool DecodesAsPicture(const uint8_t* data, size_t size, int* width = nullptr, int* height = nullptr) {
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &channels, 4);
    if (!pixels) return false;
    stbi_image_free(pixels);
    if (width) *width = w;
    if (height) *height = h;
    return w > 0 && h > 0;
}

TEST(GeneratedSet, EveryCataloguedFileExistsAndIsNotEmpty) {
    for (const auto& entry : Catalog()) {
        const auto file = GeneratedRoot() / entry.path;
        ASSERT_TRUE(std::filesystem::exists(file)) << entry.path;
        EXPECT_GT(std::filesystem::file_size(file), 0u) << entry.path;
    }
}

TEST(GeneratedSet, GamePathsResolveToCatalogueEntries) {
    // The game writes paths Windows-style and in varying case.
    EXPECT_EQ(assetgen::CanonicalPath("data\\Sprite.x"), "data/sprite.x");
    EXPECT_EQ(assetgen::CanonicalPath("sound\\14.WAV"), "sound/14.WAV");
    EXPECT_EQ(assetgen::CanonicalPath("sound/14.wav"), "sound/14.WAV");
    EXPECT_EQ(assetgen::CanonicalPath("data\\_fontg\\Palatino Linotype.wid"),
              "data/_fontg/Palatino Linotype.wid");
    EXPECT_EQ(assetgen::CanonicalPath("data\\NoSuchFile.png"), "");
}

TEST(GeneratedSet, PackFilesHoldTheListedEntriesAndEachDecodes) {
    int packs = 0;
    for (const auto& entry : Catalog()) {
        if (entry.packEntries == 0) continue;
        ++packs;
        const Bytes bytes = ReadBytes(GeneratedRoot() / entry.path);
        formats::PackFile pack(bytes);
        const auto first = pack.Slot(0);
        ASSERT_TRUE(first.has_value()) << entry.path;
        // The index is exactly packEntries slots long: entry 0's data starts right after it.
        EXPECT_EQ(first->offset, formats::kPackSlotSize * entry.packEntries) << entry.path;
        for (int i = 0; i < entry.packEntries; ++i) {
            const auto data = pack.Entry(static_cast<uint16_t>(i));
            ASSERT_TRUE(data.has_value()) << entry.path << " #" << i;
            EXPECT_TRUE(DecodesAsPicture(data->data(), data->size())) << entry.path << " #" << i;
        }
    }
    EXPECT_EQ(packs, 6);
}

TEST(GeneratedSet, LoadingAndCursorPicturesHaveTheirScreenShapes) {
    const Bytes bytes = ReadBytes(GeneratedRoot() / "data/Loading.dat");
    formats::PackFile pack(bytes);
    int w = 0, h = 0;
    const auto background = pack.Entry(10);
    ASSERT_TRUE(background && DecodesAsPicture(background->data(), background->size(), &w, &h));
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    const auto bar = pack.Entry(0);
    ASSERT_TRUE(bar && DecodesAsPicture(bar->data(), bar->size(), &w, &h));
    // The bar sprite covers 21 x 1.8 overlay units.
    EXPECT_NEAR(static_cast<double>(w) / h, 21 / 1.8, 0.5);
    const Bytes cursorBytes = ReadBytes(GeneratedRoot() / "data/Cursor.dat");
    formats::PackFile cursor(cursorBytes);
    const auto frame = cursor.Entry(9);
    ASSERT_TRUE(frame && DecodesAsPicture(frame->data(), frame->size(), &w, &h));
    EXPECT_NEAR(static_cast<double>(w) / h, 2.4 / 2.0, 0.01);
}

TEST(GeneratedSet, PlainPicturesDecode) {
    for (const auto& entry : Catalog()) {
        const std::string& path = entry.path;
        const std::string extension = path.substr(path.find_last_of('.') + 1);
        if (extension != "png" && extension != "jpg") continue;
        const Bytes bytes = ReadBytes(GeneratedRoot() / path);
        EXPECT_TRUE(DecodesAsPicture(bytes.data(), bytes.size())) << path;
    }
    int w = 0, h = 0;
    const Bytes menu = ReadBytes(GeneratedRoot() / "data/MenuZadnik.jpg");
    ASSERT_TRUE(DecodesAsPicture(menu.data(), menu.size(), &w, &h));
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
}

TEST(GeneratedSet, FontReadsBackWithTabularDigitsAndAnAtlasThatHoldsEveryGlyph) {
    const Bytes bytes = ReadBytes(GeneratedRoot() / "data/_fontg/Palatino Linotype.wid");
    std::string error;
    const auto font = formats::ReadWidFont(bytes, &error);
    ASSERT_TRUE(font.has_value()) << error;
    int w = 0, h = 0;
    ASSERT_TRUE(DecodesAsPicture(font->atlasPng.data(), font->atlasPng.size(), &w, &h));
    // The HUD right-aligns numbers by assuming digits half an em wide.
    for (char digit = '0'; digit <= '9'; ++digit) {
        EXPECT_NEAR(font->glyphs[static_cast<uint8_t>(digit)].advance, font->emPixels * 0.5, 0.5) << digit;
    }
    for (int code = 33; code < 127; ++code) {
        const auto& glyph = font->glyphs[code];
        EXPECT_GT(glyph.width, 0) << code;
        EXPECT_LE(glyph.x + glyph.width, w) << code;
        EXPECT_LE(glyph.y + glyph.height, h) << code;
    }
    EXPECT_GT(font->glyphs[' '].advance, 0);
    EXPECT_GT(font->glyphs[0x96].width, 0);  // the dash of code page 1252
}

TEST(GeneratedSet, SkyBoxNamesSixFacesBesideIt) {
    const Bytes bytes = ReadBytes(GeneratedRoot() / "data/skybox01.sky");
    std::string error;
    const auto sky = formats::ReadSkyBox(std::string(bytes.begin(), bytes.end()), &error);
    ASSERT_TRUE(sky.has_value()) << error;
    for (const std::string& face : sky->faces) {
        const Bytes picture = ReadBytes(GeneratedRoot() / "data" / face);
        int w = 0, h = 0;
        ASSERT_TRUE(DecodesAsPicture(picture.data(), picture.size(), &w, &h)) << face;
        EXPECT_EQ(w, h) << face;
    }
}

TEST(GeneratedSet, TwoRunsWriteTheSameBytes) {
    // Everything but the music (the slow part; its one source of difference, the
    // Ogg serial number, has its own test) is generated again and compared.
    std::set<std::string> modules;
    for (const std::string& name : assetgen::ModuleNames()) {
        if (name != "music" && name != "mockups") modules.insert(name);
    }
    const std::filesystem::path again = GenerateInto("again", modules);
    int compared = 0;
    for (const auto& file : std::filesystem::recursive_directory_iterator(again)) {
        if (!file.is_regular_file()) continue;
        const auto relative = std::filesystem::relative(file.path(), again);
        EXPECT_EQ(ReadBytes(file.path()), ReadBytes(GeneratedRoot() / relative)) << relative;
        ++compared;
    }
    std::filesystem::remove_all(again);
    EXPECT_GT(compared, 50);
}

TEST(GeneratedSet, UnwritableOutputFailsNamingTheFile) {
    assetgen::GeneratorOptions options;
    options.out = "/proc/assetgen-cannot-write-here";
    options.font = ASSETGEN_TEST_FONT;
    options.boldFont = ASSETGEN_TEST_BOLD_FONT;
    options.publisherUrl = "https://pebbledash.example.org";
    options.only = {"sprite"};
    try {
        assetgen::RunGenerator(options);
        FAIL() << "writing into /proc succeeded";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("sprite.x"), std::string::npos) << error.what();
    }
}

TEST(GeneratedSet, MissingFontAndUnknownModuleAreRefused) {
    assetgen::GeneratorOptions options;
    options.out = (std::filesystem::temp_directory_path() / "assetgen-test-refused").string();
    options.font = "/nonexistent/font.otf";
    options.boldFont = ASSETGEN_TEST_BOLD_FONT;
    options.publisherUrl = "https://pebbledash.example.org";
    EXPECT_THROW(assetgen::RunGenerator(options), std::runtime_error);
    options.font = ASSETGEN_TEST_FONT;
    options.only = {"no-such-module"};
    EXPECT_THROW(assetgen::RunGenerator(options), std::runtime_error);
}

}  // namespace
}  // namespace assetgen_test
