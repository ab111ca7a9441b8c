// A test program folder with small data files, an open engine on a hidden 800 x 600 window,
// and a way to read back the picture the engine presented.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/support/scratch_folder.h"

struct Rgb {
    int r = 0, g = 0, b = 0;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    Rgb At(int x, int y) const;  // (0, 0) is the top-left pixel
};

// A picture file's pixels: one colour per quadrant (top-left, top-right, bottom-left, bottom-right).
struct Quadrants {
    Rgb topLeft, topRight, bottomLeft, bottomRight;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file under the program folder ("data/x.png"); folders are made.
    void WriteFile(const std::string& relative, const std::string& bytes);
    void WritePng(const std::string& relative, int width, int height, const Quadrants& colors);
    std::string PngBytes(int width, int height, const Quadrants& colors);
    // A font of em 32 pixels whose digits and letters are solid boxes half an em wide.
    void WriteBoxFont(const std::string& relative);

    void OpenEngine();
    void CloseEngine();
    // Renders and presents once, then reads the presented picture back.
    Picture RenderAndCapture();
    Picture Capture();
    // The menu camera: at (0, 10, 0) looking at (0, 10, 10).
    EngineHandle MenuCamera();

    test_support::ScratchFolder scratch_{"pd_engine_test"};
    std::string folder_;
    platform::WindowHandle window_ = nullptr;
    std::vector<std::string> log_;
};

// Assertion results that show the pixel's colour when they fail.
::testing::AssertionResult IsWhite(const Rgb& c);
::testing::AssertionResult IsBlack(const Rgb& c);
::testing::AssertionResult Near(const Rgb& c, int r, int g, int b, int tolerance = 8);

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

// "data\sprite.x": a 1.6 x 1.6 quad centred on its origin in the xy plane, facing -z,
// its picture upright (texture v = 0 at the top), without normals.
extern const char* const kSpriteX;
