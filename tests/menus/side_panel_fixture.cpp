// The side panels' engine fixture.
#include "side_panel_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "core/shared_objects.h"

namespace fs = std::filesystem;

void SidePanelTest::SetUp() {
    const char* bin = std::getenv("PEBBLEDASH_BIN");
    const fs::path data = fs::path(bin ? bin : ".");
    if (!fs::exists(data / "data" / "Forms.dat") || !fs::exists(data / "data" / "StartGame.dat")) {
        GTEST_SKIP() << "no generated data in " << data;
    }
    platform::SetProgramFolder(data.string());
    window_ = platform::CreateMainWindow(platform::WindowConfig{});
    ASSERT_NE(window_, nullptr);
    ASSERT_NE(iEngineOpen(window_, 0), 0);
    const int32_t block[6] = {0, 0, 800 * 600 * 32, 0, 0, -1};
    ASSERT_NE(iEngineSettings(block), 0);
    Shared.MainCamera = iCameraCreate(0, 0, 1, 1);
    iCameraEulerOrientationSet(Shared.MainCamera, 0, 0, 0, "xyz");
    iCameraLocationSet(Shared.MainCamera, {0, 10, 0});
    iCameraLookAt(Shared.MainCamera, {0, 10, 10}, 1.0f);
    Shared.Fonts[0] = iFontCreate("data\\_fontg\\Palatino Linotype.wid", Shared.MainCamera);
    background_.Build(iTextureCreate("data\\MenuZadnik.jpg"), 0);
    background_.SetScale(32, 24);
    background_.SetLocation(0, 0);
    background_.Show();
}

void SidePanelTest::TearDown() {
    if (window_ == nullptr) return;
    iEngineClose();
    Shared = SharedObjects{};
    platform::DestroyWindow(window_);
}

bool SidePanelTest::Shown(const TMeshFlatImage& image) {
    const engine::Mesh* mesh = engine::Engine::Active()->meshes.Get(image.mesh);
    return mesh != nullptr && mesh->visible;
}

const std::vector<engine::PrintedText>& SidePanelTest::Printed() { return engine::Engine::Active()->texts; }

test_support::Picture SidePanelTest::Shoot(const std::string& name) {
    fs::create_directories("screen-shots");
    const std::string path = "screen-shots/" + name + ".png";
    iRender();
    EXPECT_NE(iFrameCapture(path.c_str()), 0);
    return test_support::ReadPng(path);
}

int SidePanelTest::Differing(const test_support::Picture& a, const test_support::Picture& b, double left,
                             double right, double top, double bottom) {
    int count = 0;
    for (int y = int((12 - top) * 25); y < int((12 - bottom) * 25); ++y) {
        for (int x = int((left + 16) * 25); x < int((right + 16) * 25); ++x) {
            const auto p = a.At(x, y), q = b.At(x, y);
            if (std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 30) ++count;
        }
    }
    return count;
}

void SidePanelTest::ExpectPanelSlid(const test_support::Picture& rest, const test_support::Picture& halfWay,
                                    const test_support::Picture& background, double left, double centreY) {
    const double top = centreY + 2, bottom = centreY - 2;  // a strip of 50 x 100 pixels
    EXPECT_GT(Differing(rest, background, left + 0.5, left + 2.5, top, bottom), 2500) << "at rest";
    EXPECT_LT(Differing(halfWay, background, left + 0.5, left + 2.5, top, bottom), 50) << "left behind";
    EXPECT_GT(Differing(halfWay, background, left + 10.5, left + 12.5, top, bottom), 2500) << "moved";
}
