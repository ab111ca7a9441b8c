// The 3D scene: the menu's flat images, handedness, the yaw convention, the sky box and the light.
#include "tests/engine/engine_fixture.h"

#include <cmath>

namespace {

using SceneTest = EngineTest;

// A flat menu image placed as the menu widgets place it.
EngineHandle FlatImage(const char* texture, float x, float y, float sx, float sy, int priority) {
    const EngineHandle mesh = iMeshCreate("data\\sprite.x");
    if (texture) iMeshTextureSet(mesh, iTextureCreate(texture));
    iMeshRenderPrioritySet(mesh, priority);
    iMeshRenderModeSet(mesh, 5, 6, -1, 0);
    iMeshLocationSet(mesh, {x * 0.96875f, y * 0.9583333f + 10, 20 - 0.1f * priority});
    iMeshScaleSet(mesh, sx * 0.605f, sy * 0.605f, 0);
    iMeshShow(mesh);
    return mesh;
}

// The first and last columns of row y whose pixel is not black; -1 when none.
std::pair<int, int> LitSpan(const Picture& p, int y) {
    int first = -1, last = -1;
    for (int x = 0; x < p.width; ++x) {
        if (!IsBlack(p.At(x, y))) {
            if (first < 0) first = x;
            last = x;
        }
    }
    return {first, last};
}

TEST_F(SceneTest, FullSizeMenuImageFillsThePictureUpright) {
    MenuCamera();
    WritePng("data/quads.png", 8, 8, {kRed, kGreen, kBlue, kWhite});
    iTextureMipLevelsSet(1);  // as for menu pictures: clamped at the edges
    FlatImage("data\\quads.png", 0, 0, 32, 24, 0);
    const Picture p = RenderAndCapture();
    ASSERT_EQ(p.width, 800);
    EXPECT_TRUE(Near(p.At(0, 0), 255, 0, 0));
    EXPECT_TRUE(Near(p.At(799, 0), 0, 255, 0));
    EXPECT_TRUE(Near(p.At(0, 599), 0, 0, 255));
    EXPECT_TRUE(Near(p.At(799, 599), 255, 255, 255));
}

TEST_F(SceneTest, MenuImageAtXMinusSixteenIsCentredOnTheLeftEdge) {
    MenuCamera();
    FlatImage(nullptr, -16, 0, 4, 4, 0);
    const Picture p = RenderAndCapture();
    const auto [first, last] = LitSpan(p, 300);
    EXPECT_EQ(first, 0);
    // The image is 4 menu units (about 100 pixels) wide: half of it is on screen.
    EXPECT_NEAR(last, 50, 4);
    EXPECT_TRUE(IsBlack(p.At(10, 300 - 60)));
    EXPECT_FALSE(IsBlack(p.At(10, 300 - 40)));
}

TEST_F(SceneTest, MenuImageSizesAndPlacesMatchTheOverlay) {
    MenuCamera();
    FlatImage(nullptr, 8, -6, 4, 2, 0);
    const Picture p = RenderAndCapture();
    // Centre (8, -6) menu units = pixel (600, 450); 4 x 2 units = 100 x 50 pixels.
    const auto [first, last] = LitSpan(p, 450);
    EXPECT_NEAR(first, 550, 3);
    EXPECT_NEAR(last, 650, 3);
    EXPECT_FALSE(IsBlack(p.At(600, 450 - 22)));
    EXPECT_TRUE(IsBlack(p.At(600, 450 - 28)));
}

TEST_F(SceneTest, HigherPriorityMenuImageIsNearerAndDrawsOver) {
    MenuCamera();
    WritePng("data/red.png", 4, 4, {kRed, kRed, kRed, kRed});
    WritePng("data/blue.png", 4, 4, {kBlue, kBlue, kBlue, kBlue});
    FlatImage("data\\red.png", 0, 0, 10, 10, 5);
    FlatImage("data\\blue.png", 0, 0, 10, 10, 1);
    EXPECT_TRUE(Near(RenderAndCapture().At(400, 300), 255, 0, 0));
}

TEST_F(SceneTest, MeshAlphaBlendsWithTheSceneBehind) {
    MenuCamera();
    const EngineHandle mesh = FlatImage(nullptr, 0, 0, 10, 10, 0);
    iMeshAlphaSet(mesh, 0.5f);
    EXPECT_TRUE(Near(RenderAndCapture().At(400, 300), 128, 128, 128, 3));
    iMeshHide(mesh);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300)));
}

TEST_F(SceneTest, WorldIsLeftHandedWithXRightAndYUp) {
    iCameraCreate(0, 0, 1, 1);  // at the origin looking along +z
    const EngineHandle mesh = iMeshCreate("data\\sprite.x");
    iMeshLocationSet(mesh, {5, 3, 20});
    iMeshShow(mesh);
    const Picture p = RenderAndCapture();
    // Half the view is 20 tan 30 = 11.55 high and 15.4 wide at z = 20.
    const int x = int(400 + 5 / 15.396f * 400), y = int(300 - 3 / 11.547f * 300);
    EXPECT_TRUE(IsWhite(p.At(x, y)));
    EXPECT_TRUE(IsBlack(p.At(800 - x, y)));
    EXPECT_TRUE(IsBlack(p.At(x, 600 - y)));
}

// A flat marker lying in the xz plane at local (3, 0, 0), seen from above.
const char* const kArmX = R"(xof 0303txt 0032
Mesh Arm {
  4;
  2.2;0.0;0.8;,
  3.8;0.0;0.8;,
  3.8;0.0;-0.8;,
  2.2;0.0;-0.8;;
  2;
  3;0,1,2;,
  3;0,2,3;;
}
)";

TEST_F(SceneTest, YawMapsPlusXToCosMinusSin) {
    WriteFile("data/arm.x", kArmX);
    const EngineHandle camera = iCameraCreate(0, 0, 1, 1);
    iCameraLocationSet(camera, {0, 20, 0});
    // Pitched 90 degrees about x: looking down, +x to the right, +z up the picture.
    iCameraEulerOrientationSet(camera, 90, 0, 0, "xyz");
    const EngineHandle arm = iMeshCreate("data\\arm.x");
    ASSERT_NE(arm, 0);
    iMeshShow(arm);
    // At 20 units one world unit is 300 / 11.547 = 26 pixels: the arm is 78 pixels out.
    struct Case {
        float yaw;
        int x, y;
    } cases[] = {{0, 478, 300}, {90, 400, 378}, {180, 322, 300}, {270, 400, 222}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.yaw);
        iMeshEulerOrientationSet(arm, 0, c.yaw, 0, "xyz");
        const Picture p = RenderAndCapture();
        EXPECT_TRUE(IsWhite(p.At(c.x, c.y)));
        EXPECT_TRUE(IsBlack(p.At(800 - c.x, 600 - c.y)));
    }
}

TEST_F(SceneTest, PartsComeInFileOrderAndTheWholeModelHasThemAll) {
    WriteFile("data/two.x", std::string("xof 0303txt 0032\n") +
                                "Mesh Left {4; -6.0;-1.0;0.0;, -4.0;-1.0;0.0;, -4.0;1.0;0.0;, -6.0;1.0;0.0;;"
                                " 2; 3;0,1,2;, 3;0,2,3;;}\n"
                                "Mesh Right {4; 4.0;-1.0;0.0;, 6.0;-1.0;0.0;, 6.0;1.0;0.0;, 4.0;1.0;0.0;;"
                                " 2; 3;0,1,2;, 3;0,2,3;;}\n");
    iCameraCreate(0, 0, 1, 1);
    auto place = [](EngineHandle mesh) {
        iMeshLocationSet(mesh, {0, 0, 20});
        iMeshShow(mesh);
    };
    const int left = int(400 - 5 / 15.396f * 400), right = 800 - left;
    const EngineHandle first = iMeshPartCreate("data\\two.x", 0);
    place(first);
    Picture p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(left, 300)));
    EXPECT_TRUE(IsBlack(p.At(right, 300)));
    iMeshHide(first);
    place(iMeshPartCreate("data\\two.x", 1));
    p = RenderAndCapture();
    EXPECT_TRUE(IsBlack(p.At(left, 300)));
    EXPECT_TRUE(IsWhite(p.At(right, 300)));
    EXPECT_EQ(iMeshPartCreate("data\\two.x", 2), 0);
    log_.clear();
    place(iMeshCreate("data\\two.x"));
    p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(left, 300)));
    EXPECT_TRUE(IsWhite(p.At(right, 300)));
}

TEST_F(SceneTest, SkyBoxShowsEachFaceInItsDirection) {
    const Rgb colours[6] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {255, 0, 255}, {0, 255, 255}};
    const char* names[6] = {"right", "left", "top", "bottom", "front", "back"};
    std::string sky;
    for (int i = 0; i < 6; ++i) {
        const Rgb c = colours[i];
        WritePng(std::string("data/sky/") + names[i] + ".png", 4, 4, {c, c, c, c});
        sky += std::string(names[i]) + " sky\\" + names[i] + ".png\n";
    }
    WriteFile("data/room.sky", sky);
    const EngineHandle camera = iCameraCreate(0, 0, 1, 1);
    iCameraLocationSet(camera, {100, -50, 30});
    const EngineHandle box = iSkyBoxCreate("data\\room.sky");
    ASSERT_NE(box, 0);
    iSkyBoxShow(box);
    struct Case {
        float rx, ry;
        int face;
    } cases[] = {{0, 0, 4}, {0, 90, 0}, {0, 180, 5}, {0, 270, 1}, {-90, 0, 2}, {90, 0, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(names[c.face]);
        iCameraEulerOrientationSet(camera, c.rx, c.ry, 0, "xyz");
        const Rgb want = colours[c.face];
        EXPECT_TRUE(Near(RenderAndCapture().At(400, 300), want.r, want.g, want.b));
    }
}

// The sky is drawn after the opaque meshes, only where they leave the picture
// empty, and before the blended ones, which must still blend over it.
TEST_F(SceneTest, SkyBoxStaysBehindOpaqueMeshesAndUnderBlendedOnes) {
    const char* names[6] = {"right", "left", "top", "bottom", "front", "back"};
    std::string sky;
    for (const char* name : names) sky += std::string(name) + " sky\\blue.png\n";
    WritePng("data/sky/blue.png", 4, 4, {kBlue, kBlue, kBlue, kBlue});
    WriteFile("data/room.sky", sky);
    MenuCamera();
    iSkyBoxShow(iSkyBoxCreate("data\\room.sky"));
    WritePng("data/red.png", 4, 4, {kRed, kRed, kRed, kRed});
    WritePng("data/white.png", 4, 4, {kWhite, kWhite, kWhite, kWhite});
    const EngineHandle opaque = FlatImage("data\\red.png", -8, 0, 10, 15, 0);
    iMeshRenderModeSet(opaque, 2, 1, -1, 0);
    const EngineHandle blended = FlatImage("data\\white.png", 8, 0, 10, 15, 0);
    iMeshAlphaSet(blended, 0.5f);
    // An opaque mesh of a later priority covers the sky too.
    const EngineHandle later = FlatImage("data\\red.png", 0, 6, 2, 2, 3);
    iMeshRenderModeSet(later, 2, 1, -1, 0);
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(Near(p.At(200, 450), 255, 0, 0));      // the opaque half
    EXPECT_TRUE(Near(p.At(600, 450), 128, 128, 255));  // half white over the sky
    EXPECT_TRUE(Near(p.At(400, 150), 255, 0, 0));      // the later opaque one
    iMeshHide(opaque);
    iMeshHide(blended);
    iMeshHide(later);
    EXPECT_TRUE(Near(RenderAndCapture().At(200, 450), 0, 0, 255));
}

// The sprite quad with normals facing the viewer (-z).
const char* const kLitQuadX = R"(xof 0303txt 0032
Mesh Lit {
  4;
  -0.8;0.8;0.0;, 0.8;0.8;0.0;, 0.8;-0.8;0.0;, -0.8;-0.8;0.0;;
  2;
  3;0,1,2;, 3;0,2,3;;
  MeshNormals {
    1;
    0.0;0.0;-1.0;;
    2;
    3;0,0,0;, 3;0,0,0;;
  }
}
)";

TEST_F(SceneTest, DirectionalLightLightsPartsWithNormalsAndKeepsItsAmbientShare) {
    WriteFile("data/lit.x", kLitQuadX);
    iCameraCreate(0, 0, 1, 1);
    const EngineHandle lit = iMeshCreate("data\\lit.x");
    iMeshLocationSet(lit, {-3, 0, 10});
    iMeshShow(lit);
    const EngineHandle flat = iMeshCreate("data\\sprite.x");
    iMeshLocationSet(flat, {3, 0, 10});
    iMeshShow(flat);
    const int litX = int(400 - 3 / 7.698f * 400), flatX = 800 - litX;
    const float colour[4] = {1, 1, 1, 0.4f};
    const Vec3 towardsFace{0, 0, 1}, away{0, 0, -1};
    iLightDirectionalSet(&towardsFace, colour);
    Picture p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(litX, 300)));
    iLightDirectionalSet(&away, colour);
    p = RenderAndCapture();
    EXPECT_TRUE(Near(p.At(litX, 300), 102, 102, 102, 3)) << "only the ambient 40 %";
    EXPECT_TRUE(IsWhite(p.At(flatX, 300))) << "a part without normals is not lit";
}

}  // namespace
