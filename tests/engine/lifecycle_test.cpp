// Handles, failed loads, captures, phases and re-opening.
#include "tests/engine/engine_fixture.h"

#include <SDL2/SDL.h>
#include <stb_image.h>

#include <cstring>

#include "platform/platform.h"
#include "platform/sdl_bridge.h"

namespace {

using LifecycleTest = EngineTest;

// Every handle-taking function, called with one handle for every kind.
void TouchEverything(EngineHandle h) {
    Vec3 v{1, 2, 3};
    iCameraLocationSet(h, v);
    iCameraLookAt(h, {0, 0, 5}, 0.5f);
    iCameraOrientationSet(h, {});
    iCameraEulerOrientationSet(h, 1, 2, 3, "xyz");
    iListenerCameraSet(h);
    EXPECT_EQ(iCameraLocation(h).x, 0);
    EXPECT_EQ(iCameraOrientation(h).w, 1);
    iSkyBoxShow(h);
    iMeshTextureSet(h, h);
    iMeshLocationSet(h, v);
    iMeshScaleSet(h, 1, 1, 1);
    iMeshEulerOrientationSet(h, 0, 90, 0, "xyz");
    iMeshRenderModeSet(h, 5, 6, -1, 0);
    iMeshRenderPrioritySet(h, 3);
    iMeshZBiasSet(h, 1);
    iMeshAlphaSet(h, 0.5f);
    iMeshShow(h);
    iMeshHide(h);
    iSpriteTextureSet(h, h);
    iSpriteLocationSet(h, {1, 1});
    iSpriteScaleSet(h, {2, 2});
    iSpriteColorSet(h, 1, 1, 1, 1);
    iSpritePrioritySet(h, 1);
    iSpriteShow(h);
    iSpriteHide(h);
    iPrint("text", {0, 0}, {1, 1}, 0, h);
}

TEST_F(LifecycleTest, HandleZeroAndForeignHandlesDoNothing) {
    for (EngineHandle h : {0, -1, 1, 0x7FFFFFFF, 12345678}) {
        SCOPED_TRACE(h);
        TouchEverything(h);
    }
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300)));
}

TEST_F(LifecycleTest, HandlesFromBeforeAReopenNeverReachNewObjects) {
    const EngineHandle oldSprite = iSpriteCreate("data\\sprite.x", 0);
    const EngineHandle oldMesh = iMeshCreate("data\\sprite.x");
    ASSERT_NE(oldSprite, 0);
    CloseEngine();
    TouchEverything(oldSprite);  // closed: every call is harmless
    OpenEngine();
    iCameraCreate(0, 0, 1, 1);
    const EngineHandle newSprite = iSpriteCreate("data\\sprite.x", 0);
    ASSERT_NE(iMeshCreate("data\\sprite.x"), 0);
    EXPECT_NE(newSprite, oldSprite);
    iSpriteShow(oldSprite);
    iSpriteScaleSet(oldSprite, {20, 15});
    iMeshShow(oldMesh);
    iMeshLocationSet(oldMesh, {0, 0, 2});
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300)));
    iSpriteShow(newSprite);
    EXPECT_TRUE(IsWhite(RenderAndCapture().At(400, 300)));
}

TEST_F(LifecycleTest, EveryFunctionIsHarmlessWhileClosed) {
    CloseEngine();
    TouchEverything(1);
    EXPECT_EQ(iCameraCreate(0, 0, 1, 1), 0);
    EXPECT_EQ(iTextureCreate("data\\x.png"), 0);
    EXPECT_EQ(iMeshCreate("data\\sprite.x"), 0);
    EXPECT_EQ(iSpriteCreate("data\\sprite.x", 0), 0);
    EXPECT_EQ(iEngineIsReady(), 0);
    EXPECT_EQ(iEngineIsRendering(), 0);
    EXPECT_EQ(iKeyDown(1), 0);
    EXPECT_EQ(iMouseX(), 0);
    EXPECT_EQ(iFrameCapture((folder_ + "/none.png").c_str()), 0);
    iEngineMain();
    iEngineRender();
    iRender();
    iScreenWipe(1, 1, 1);
    iPrintsHide();
    EXPECT_EQ(iDisplayMode(), 0);
}

TEST_F(LifecycleTest, MissingAndDamagedFilesGiveZeroAndOneLogLine) {
    WriteFile("data/garbage.png", "not a picture at all");
    WriteFile("data/garbage.x", "xof 0303txt 0032\nMesh Broken { 4; 1.0;");
    WriteFile("data/garbage2.x", "xof 0303txt 0032\nFrame { Mesh { 3; 1.0;");
    WriteFile("data/short.wid", "PWID\x01");
    WriteFile("data/bad.sky", "right a.png\nleft b.png\n");
    WriteFile("data/faceless.sky", "right a.png\nleft a.png\ntop a.png\nbottom a.png\nfront a.png\nback gone.png\n");
    WriteFile("data/short.dds", std::string("DDS \x7c\0\0\0", 8));
    WritePng("data/a.png", 2, 2, {kRed, kRed, kRed, kRed});
    struct Case {
        const char* path;
        EngineHandle (*create)(const char*);
    } cases[] = {
        {"data\\missing.png", iTextureCreate},
        {"data\\garbage.png", iTextureCreate},
        {"data\\short.dds", iTextureCreate},
        {"data\\missing.x", iMeshCreate},
        {"data\\garbage.x", iMeshCreate},
        {"data\\missing.sky", iSkyBoxCreate},
        {"data\\bad.sky", iSkyBoxCreate},
        {"data\\faceless.sky", iSkyBoxCreate},
        {"data\\short.wid", [](const char* f) { return iFontCreate(f, 0); }},
        {"data\\missing.wid", [](const char* f) { return iFontCreate(f, 0); }},
        {"data\\garbage2.x", [](const char* f) { return iSpriteCreate(f, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        log_.clear();
        EXPECT_EQ(c.create(c.path), 0);
        ASSERT_EQ(log_.size(), 1u);
        EXPECT_EQ(log_[0].rfind("engine: cannot load ", 0), 0u) << log_[0];
    }
    // A model that could not be read is tried and reported once per opening.
    log_.clear();
    EXPECT_EQ(iMeshCreate("data\\garbage.x"), 0);
    EXPECT_EQ(iSpriteCreate("data\\garbage2.x", 0), 0);
    EXPECT_TRUE(log_.empty());
    log_.clear();
    const char junk[] = "junk";
    EXPECT_EQ(iTextureCreateFromMemory(junk, sizeof junk, 7), 0);
    EXPECT_EQ(iTextureCreateFromMemory(nullptr, 100, 8), 0);
    EXPECT_EQ(log_.size(), 2u);
}

TEST_F(LifecycleTest, TexturesDecodeFromMemoryAndUncompressedDds) {
    const std::string png = PngBytes(4, 4, {kGreen, kGreen, kGreen, kGreen});
    const EngineHandle fromMemory = iTextureCreateFromMemory(png.data(), uint32_t(png.size()), 1);
    ASSERT_NE(fromMemory, 0);
    // A 2 x 2 DDS, 32 bits, B G R A in memory: red, green / blue, half-transparent white.
    std::string dds(128, '\0');
    auto put = [&](size_t at, uint32_t v) { std::memcpy(&dds[at], &v, 4); };
    std::memcpy(&dds[0], "DDS ", 4);
    put(4, 124);
    put(8, 0x100F);
    put(12, 2);
    put(16, 2);
    put(76, 32);
    put(80, 0x41);
    put(88, 32);
    put(92, 0x00FF0000);
    put(96, 0x0000FF00);
    put(100, 0x000000FF);
    put(104, 0xFF000000);
    const uint8_t pixels[16] = {0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 255, 128};
    dds.append(reinterpret_cast<const char*>(pixels), 16);
    WriteFile("data/trail.dds", dds);
    iTextureMipLevelsSet(1);
    const EngineHandle fromDds = iTextureCreate("data\\trail.dds");
    ASSERT_NE(fromDds, 0);

    const EngineHandle left = iSpriteCreate("data\\sprite.x", 0);
    iSpriteTextureSet(left, fromMemory);
    iSpriteLocationSet(left, {-8, 0});
    iSpriteScaleSet(left, {4, 4});
    const EngineHandle right = iSpriteCreate("data\\sprite.x", 0);
    iSpriteTextureSet(right, fromDds);
    iSpriteLocationSet(right, {8, 0});
    iSpriteScaleSet(right, {5, 5});
    iSpriteShow(left);
    iSpriteShow(right);
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(Near(p.At(200, 300), 0, 255, 0));
    // The DDS sprite spans 600 +- 100 pixels; sample each quadrant's middle.
    EXPECT_TRUE(Near(p.At(550, 250), 255, 0, 0));
    EXPECT_TRUE(Near(p.At(650, 250), 0, 255, 0));
    EXPECT_TRUE(Near(p.At(550, 350), 0, 0, 255));
    EXPECT_TRUE(Near(p.At(650, 350), 128, 128, 128, 3));
}

TEST_F(LifecycleTest, ThePictureAskedForAgainIsOneTextureAndModelsReadAheadOnce) {
    const std::string green = PngBytes(4, 4, {kGreen, kGreen, kGreen, kGreen});
    const std::string red = PngBytes(4, 4, {kRed, kRed, kRed, kRed});
    iTextureMipLevelsSet(1);
    const EngineHandle first = iTextureCreateFromMemory(green.data(), uint32_t(green.size()), 1);
    ASSERT_NE(first, 0);
    EXPECT_EQ(iTextureCreateFromMemory(green.data(), uint32_t(green.size()), 2), first);
    EXPECT_NE(iTextureCreateFromMemory(red.data(), uint32_t(red.size()), 3), first);
    EXPECT_NE(iTextureCreateFromMemory(green.data(), uint32_t(green.size() - 1), 4), first) << "a cut copy";
    iTextureMipLevelsSet(0);
    const EngineHandle chained = iTextureCreateFromMemory(green.data(), uint32_t(green.size()), 5);
    EXPECT_NE(chained, 0);
    EXPECT_NE(chained, first) << "another level setting is another texture";
    iTextureMipLevelsSet(1);
    log_.clear();
    const char junk[] = "junk";
    EXPECT_EQ(iTextureCreateFromMemory(junk, sizeof junk, 6), 0);
    EXPECT_EQ(iTextureCreateFromMemory(junk, sizeof junk, 7), 0);
    EXPECT_EQ(log_.size(), 2u) << "each damaged picture is still reported";

    log_.clear();
    EXPECT_EQ(iModelPreload("data\\sprite.x"), -1);
    EXPECT_NE(iMeshCreate("data\\sprite.x"), 0);
    EXPECT_EQ(iModelPreload("data\\missing.x"), 0);
    EXPECT_EQ(iModelPreload(nullptr), 0);
    EXPECT_EQ(iMeshCreate("data\\missing.x"), 0);
    ASSERT_EQ(log_.size(), 1u) << "read ahead or not, a missing model is reported once";
    EXPECT_NE(log_[0].find("missing.x"), std::string::npos) << log_[0];
}

TEST_F(LifecycleTest, CaptureWritesTheFourByThreePictureWithoutBars) {
    EXPECT_EQ(iFrameCapture((folder_ + "/early.png").c_str()), 0) << "nothing presented yet";
    const EngineHandle sprite = iSpriteCreate("data\\sprite.x", 0);
    iSpriteScaleSet(sprite, {20, 15});
    iSpriteShow(sprite);
    Picture p = RenderAndCapture();
    EXPECT_EQ(p.width, 800);
    EXPECT_EQ(p.height, 600);

    SDL_SetWindowSize(platform::NativeWindow(window_), 1000, 600);
    p = RenderAndCapture();
    EXPECT_EQ(p.width, 800) << "a wider window adds bars, the picture stays 4:3";
    EXPECT_EQ(p.height, 600);
    EXPECT_TRUE(IsWhite(p.At(0, 0)));
    EXPECT_TRUE(IsWhite(p.At(799, 599)));

    SDL_SetWindowSize(platform::NativeWindow(window_), 640, 600);
    p = RenderAndCapture();
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.height, 480);
}

TEST_F(LifecycleTest, SettingsTurnOnMultisamplingAndFullScreen) {
    const EngineHandle sprite = iSpriteCreate("data\\sprite.x", 0);
    iSpriteScaleSet(sprite, {5, 5});
    iSpriteShow(sprite);
    const int32_t multisampled[6] = {0, 0, 800 * 600 * 32, 2, 0, -1};
    ASSERT_NE(iEngineSettings(multisampled), 0);
    Picture p = RenderAndCapture();
    EXPECT_EQ(p.width, 800);
    EXPECT_TRUE(IsWhite(p.At(400, 300)));
    EXPECT_TRUE(IsBlack(p.At(250, 300)));
    EXPECT_EQ(iDisplayMode(), 0);

    const int32_t fullScreen[6] = {0, 0, 640 * 480 * 16, 0, -1, -1};
    ASSERT_NE(iEngineSettings(fullScreen), 0);
    EXPECT_GT(iDisplayMode(), 0);
    p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(p.width / 2, p.height / 2)));
    EXPECT_EQ(p.width * 3, p.height * 4);
}

TEST_F(LifecycleTest, PhasesAndObserversFollowTheFrame) {
    std::vector<std::string> presented;
    iPresentObserverSet([&](const char* what) { presented.push_back(what); });
    EXPECT_NE(iEngineIsReady(), 0);
    EXPECT_NE(iEngineIsRendering(), 0);
    iEngineMain();
    EXPECT_NE(iEngineIsExecuting(), 0);
    EXPECT_NE(iEngineIsInitializing(), 0);
    iEngineInitBegin();
    iRender();
    iEngineInitEnd();
    EXPECT_EQ(iEngineIsInitializing(), 0);
    iEngineRunBegin();
    iEngineRunEnd();
    iEngineRender();
    EXPECT_EQ(presented, (std::vector<std::string>{"render", "frame"}));
    EXPECT_EQ(iDisplayMode(), 0);
    iExit();
    EXPECT_EQ(iEngineIsRendering(), 0);
    iEngineIsRenderingSet(-1);
    EXPECT_NE(iEngineIsRendering(), 0);
    iEngineErrorFlagSet(-1);
    EXPECT_NE(iEngineErrorFlag(), 0);
    iEngineErrorFlagSet(0);
    CloseEngine();
    OpenEngine();
    EXPECT_NE(iEngineIsInitializing(), 0) << "a re-opened engine initialises again";
}

TEST_F(LifecycleTest, TimerAndFrameLengthFollowThePlatformClock) {
    platform::UseManualClock(1000);
    CloseEngine();
    OpenEngine();
    iEngineMain();
    platform::AdvanceClock(0.25);
    iEngineMain();
    EXPECT_NEAR(iFrq(), 0.25f, 1e-4f);
    platform::AdvanceClock(0.5);
    EXPECT_NEAR(iSystemTimer(), 0.75f, 1e-4f);
}

TEST_F(LifecycleTest, KeysUseClassicScanCodesAndClicksEndWithTheRunPhase) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = SDL_SCANCODE_UP;
    event.key.windowID = SDL_GetWindowID(platform::NativeWindow(window_));
    SDL_PushEvent(&event);
    platform::Message message;
    while (platform::PeekMessage(message)) platform::DispatchMessage(message);
    EXPECT_NE(iKeyDown(200), 0);
    EXPECT_NE(iKeyClick(200), 0);
    EXPECT_EQ(iKeyDown(208), 0);
    iEngineRunBegin();
    iEngineRunEnd();
    EXPECT_NE(iKeyDown(200), 0) << "still held";
    EXPECT_EQ(iKeyClick(200), 0) << "the press was consumed";
}

TEST_F(LifecycleTest, PointerIsAFractionOfThePicture) {
    SDL_SetWindowSize(platform::NativeWindow(window_), 1000, 600);
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = SDL_GetWindowID(platform::NativeWindow(window_));
    event.motion.x = 100 + 200;  // 100-pixel bar, then a quarter of the picture
    event.motion.y = 450;
    SDL_PushEvent(&event);
    platform::Message message;
    while (platform::PeekMessage(message)) platform::DispatchMessage(message);
    EXPECT_NEAR(iMouseX(), 0.25f, 1e-3f);
    EXPECT_NEAR(iMouseY(), 0.75f, 1e-3f);
    iMouseResolutionSet(3);
    EXPECT_NEAR(iMouseX(), 1.0f / 3.0f, 1e-3f);
}

}  // namespace
