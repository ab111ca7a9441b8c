// The engine test fixture: program folder, data files, window, engine and picture read-back.
#include "tests/engine/engine_fixture.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "formats/wid_font.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

const char* const kSpriteX = R"(xof 0303txt 0032
Frame Sprite {
  FrameTransformMatrix {
    1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;;
  }
  Mesh Quad {
    4;
    -0.8;0.8;0.0;,
    0.8;0.8;0.0;,
    0.8;-0.8;0.0;,
    -0.8;-0.8;0.0;;
    2;
    3;0,1,2;,
    3;0,2,3;;
    MeshTextureCoords {
      4;
      0.0;0.0;,
      1.0;0.0;,
      1.0;1.0;,
      0.0;1.0;;
    }
    MeshMaterialList {
      1;
      2;
      0,
      0;;
      Material {
        1.0;1.0;1.0;1.0;;
        0.0;
        0.0;0.0;0.0;;
        0.0;0.0;0.0;;
      }
    }
  }
}
)";

Rgb Picture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return {-1, -1, -1};
    const uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
    return {p[0], p[1], p[2]};
}

namespace {

::testing::AssertionResult Check(bool ok, const Rgb& c) {
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel is (" << c.r << ", " << c.g << ", " << c.b << ")";
}

}  // namespace

::testing::AssertionResult IsWhite(const Rgb& c) { return Check(c.r > 245 && c.g > 245 && c.b > 245, c); }
::testing::AssertionResult IsBlack(const Rgb& c) { return Check(c.r >= 0 && c.r < 10 && c.g < 10 && c.b < 10, c); }
::testing::AssertionResult Near(const Rgb& c, int r, int g, int b, int tolerance) {
    return Check(std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance && std::abs(c.b - b) <= tolerance,
                 c);
}

void EngineTest::SetUp() {
    folder_ = scratch_.Path().string();
    platform::SetProgramFolder(folder_);
    WriteFile("data/sprite.x", kSpriteX);
    iLogObserverSet([this](const char* line) { log_.push_back(line); });
    window_ = platform::CreateMainWindow(platform::WindowConfig{});
    ASSERT_NE(window_, nullptr);
    OpenEngine();
}

void EngineTest::TearDown() {
    iEngineClose();
    iLogObserverSet({});
    iPresentObserverSet({});
    platform::DestroyWindow(window_);
}

void EngineTest::OpenEngine() {
    ASSERT_NE(iEngineOpen(window_, 0), 0);
    const int32_t block[6] = {0, 0, 800 * 600 * 32, 0, 0, -1};
    ASSERT_NE(iEngineSettings(block), 0);
}

void EngineTest::CloseEngine() { iEngineClose(); }

void EngineTest::WriteFile(const std::string& relative, const std::string& bytes) {
    const fs::path path = fs::path(folder_) / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string EngineTest::PngBytes(int width, int height, const Quadrants& colors) {
    std::vector<uint8_t> pixels(size_t(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            const Rgb c = bottom ? (right ? colors.bottomRight : colors.bottomLeft)
                                 : (right ? colors.topRight : colors.topLeft);
            uint8_t* p = &pixels[(size_t(y) * width + x) * 4];
            p[0] = uint8_t(c.r);
            p[1] = uint8_t(c.g);
            p[2] = uint8_t(c.b);
            p[3] = 255;
        }
    }
    std::string out;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            static_cast<std::string*>(context)->append(static_cast<const char*>(data), size_t(size));
        },
        &out, width, height, 4, pixels.data(), width * 4);
    return out;
}

void EngineTest::WritePng(const std::string& relative, int width, int height, const Quadrants& colors) {
    WriteFile(relative, PngBytes(width, height, colors));
}

void EngineTest::WriteBoxFont(const std::string& relative) {
    formats::WidFont font;
    font.emPixels = 32;
    for (int c = '0'; c <= 'z'; ++c) font.glyphs[c] = {0, 0, 16, 32, 0, 0, 16.0f};
    font.glyphs[' '] = {0, 0, 0, 0, 0, 0, 8.0f};
    const std::string atlas = PngBytes(32, 32, {kWhite, kWhite, kWhite, kWhite});
    font.atlasPng.assign(atlas.begin(), atlas.end());
    const std::vector<uint8_t> bytes = formats::WriteWidFont(font);
    WriteFile(relative, std::string(bytes.begin(), bytes.end()));
}

Picture EngineTest::RenderAndCapture() {
    iRender();
    return Capture();
}

Picture EngineTest::Capture() {
    Picture picture;
    const std::string path = folder_ + "/capture.png";
    if (!iFrameCapture(path.c_str())) return picture;
    int channels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 3);
    if (!pixels) return picture;
    picture.rgb.assign(pixels, pixels + size_t(picture.width) * picture.height * 3);
    stbi_image_free(pixels);
    return picture;
}

EngineHandle EngineTest::MenuCamera() {
    const EngineHandle camera = iCameraCreate(0, 0, 1, 1);
    iCameraEulerOrientationSet(camera, 0, 0, 0, "xyz");
    iCameraLocationSet(camera, {0, 10, 0});
    iCameraLookAt(camera, {0, 10, 10}, 1.0f);
    return camera;
}
