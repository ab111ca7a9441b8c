// Meshes bound to bodies, shadow casters on the table, and the engine's frame driving physics and sound.
#include "tests/engine/engine_fixture.h"
#include "tests/engine/frame_driver.h"

#include "engine/engine.h"

namespace {

// A white square table top 60 x 60 in the xz plane at local y = 0, without normals (unlit).
const char* const kTableX = R"(xof 0303txt 0032
Mesh Table {
  4;
  -30.0;0.0;-30.0;,
  30.0;0.0;-30.0;,
  30.0;0.0;30.0;,
  -30.0;0.0;30.0;;
  2;
  3;0,1,2;,
  3;0,2,3;;
}
)";

// A closed box 4 x 2 x 4 centred on its origin: flattened, its top and bottom overlap.
const char* const kBoxX = R"(xof 0303txt 0032
Mesh Box {
  8;
  -2.0;-1.0;-2.0;, 2.0;-1.0;-2.0;, 2.0;-1.0;2.0;, -2.0;-1.0;2.0;,
  -2.0;1.0;-2.0;, 2.0;1.0;-2.0;, 2.0;1.0;2.0;, -2.0;1.0;2.0;;
  12;
  3;0,1,2;, 3;0,2,3;, 3;4,6,5;, 3;4,7,6;,
  3;0,4,5;, 3;0,5,1;, 3;1,5,6;, 3;1,6,2;,
  3;2,6,7;, 3;2,7,3;, 3;3,7,4;, 3;3,4,0;;
}
)";

class BodyMeshTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        WriteFile("data/table.x", kTableX);
        WriteFile("data/box.x", kBoxX);
        StartManualFrames();
    }

    // The table top at y = -50 seen from 20 above it, looking down: +x right, +z up the picture.
    void Table() {
        const EngineHandle camera = iCameraCreate(0, 0, 1, 1);
        iCameraLocationSet(camera, {0, -30, 0});
        iCameraEulerOrientationSet(camera, 90, 0, 0, "xyz");
        const EngineHandle table = iMeshCreate("data\\table.x");
        iMeshLocationSet(table, {0, -50, 0});
        iMeshShow(table);
    }

    static Rgb OnTable(const Picture& p, float x, float z) {
        const float pixelsPerUnit = 300 / 11.547f;
        return p.At(int(400 + x * pixelsPerUnit), int(300 - z * pixelsPerUnit));
    }
};

TEST_F(BodyMeshTest, ABodyMeshIsDrawnWhereItsBodyIsWhenDrawn) {
    iCameraCreate(0, 0, 1, 1);
    const EngineHandle body = iBodySphereCreate(1, 0);
    ASSERT_NE(body, 0);
    iBodyLocationSet(body, {0, 0, 20}, -1);
    const EngineHandle mesh = iBodyMeshCreate("data\\sprite.x", body);
    ASSERT_NE(mesh, 0);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300))) << "created hidden";
    iMeshShow(mesh);
    iMeshLocationSet(mesh, {-5, 0, 20});  // a bound mesh keeps to its body
    EXPECT_TRUE(IsWhite(RenderAndCapture().At(400, 300)));

    iBodyLocationSet(body, {5, 3, 20}, -1);  // no frame in between: the pose is read when drawing
    const int x = int(400 + 5 / 15.396f * 400), y = int(300 - 3 / 11.547f * 300);
    Picture p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(x, y)));
    EXPECT_TRUE(IsBlack(p.At(400, 300)));
    EXPECT_TRUE(IsBlack(p.At(x + 25, y))) << "the quad is 1.6 units wide: 41 pixels";

    iMeshScaleSet(mesh, 2, 2, 2);
    EXPECT_TRUE(IsWhite(RenderAndCapture().At(x + 25, y))) << "times the mesh's own scale";

    iBodyEulerOrientationSet(body, 0, 0, 45, "xyz", -1);
    p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(x, y - 50))) << "turned 45 degrees, its corner points up";
    EXPECT_TRUE(IsBlack(p.At(x + 37, y - 37)));

    iBodyDestroy(body);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(x, y))) << "nothing once the body is gone";
}

TEST_F(BodyMeshTest, TheEngineFrameStepsThePhysicsWithTheRunPhasesForces) {
    iCameraCreate(0, 0, 1, 1);
    iSimulationFrqSet(0.01f);
    const EngineHandle body = iBodySphereCreate(1, 2);
    iBodyLocationSet(body, {0, 0, 20}, -1);
    const EngineHandle mesh = iBodyMeshCreate("data\\sprite.x", body);
    iMeshShow(mesh);
    // 8 units/s^2 to the right for one second: 4 units, whatever the frame length.
    for (int i = 0; i < 25; ++i) {
        iBodyAccelerationApply(body, {8, 0, 0});
        RunFrame(0.04f);
    }
    EXPECT_NEAR(iBodyLocation(body).x, 4.0f, 0.1f);
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(int(400 + 4 / 15.396f * 400), 300)));
    EXPECT_TRUE(IsBlack(p.At(400 - 10, 300)));
}

TEST_F(BodyMeshTest, AShadowDarkensTheTableUnderItsBodyOnceAndNothingWhenHidden) {
    Table();
    const EngineHandle body = iBodySphereCreate(1, 0);
    iBodyLocationSet(body, {0, -48, 0}, -1);
    const EngineHandle shadow = iMeshBodyShadowCasterCreate("data\\box.x", body, 40);
    ASSERT_NE(shadow, 0);
    EXPECT_TRUE(IsWhite(OnTable(RenderAndCapture(), 0, 0))) << "created hidden";
    iMeshShow(shadow);
    // Two units above the table with a fade height of 40: 0.5 x 0.95 of the light is taken.
    Picture p = RenderAndCapture();
    EXPECT_TRUE(Near(OnTable(p, 0, 0), 134, 134, 134, 6)) << "top and bottom overlap, yet darken once";
    EXPECT_TRUE(Near(OnTable(p, 1.5f, -1.5f), 134, 134, 134, 6));
    EXPECT_TRUE(IsWhite(OnTable(p, 2.5f, 0)));

    iBodyLocationSet(body, {6, -48, 2}, -1);
    p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(OnTable(p, 0, 0)));
    EXPECT_TRUE(Near(OnTable(p, 6, 2), 134, 134, 134, 6)) << "it follows the body";

    iMeshScaleSet(shadow, 0.5f, 0.5f, 0.5f);
    p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(OnTable(p, 7.5f, 2)));
    EXPECT_FALSE(IsWhite(OnTable(p, 6.8f, 2)));

    iBodyLocationSet(body, {6, -30, 2}, -1);  // half way up the fade height
    EXPECT_TRUE(Near(OnTable(RenderAndCapture(), 6, 2), 191, 191, 191, 6));
    iBodyLocationSet(body, {6, -5, 2}, -1);  // above the fade height
    EXPECT_TRUE(IsWhite(OnTable(RenderAndCapture(), 6, 2)));

    iBodyLocationSet(body, {6, -48, 2}, -1);
    iMeshHide(shadow);
    EXPECT_TRUE(IsWhite(OnTable(RenderAndCapture(), 6, 2)));
}

TEST_F(BodyMeshTest, TwoOverlappingShadowsDarkenOnceAndASolidMeshHidesThem) {
    Table();
    const EngineHandle a = iBodySphereCreate(1, 0), b = iBodySphereCreate(1, 0);
    iBodyLocationSet(a, {0, -50, 0}, -1);
    iBodyLocationSet(b, {1, -50, 0}, -1);
    iMeshShow(iMeshBodyShadowCasterCreate("data\\box.x", a, 40));
    iMeshShow(iMeshBodyShadowCasterCreate("data\\box.x", b, 40));
    Picture p = RenderAndCapture();
    EXPECT_TRUE(Near(OnTable(p, 0.5f, 0), 128, 128, 128, 6));
    EXPECT_TRUE(Near(OnTable(p, -1.5f, 0), 128, 128, 128, 6));
    EXPECT_TRUE(Near(OnTable(p, 2.5f, 0), 128, 128, 128, 6));

    // A white block standing on the table over part of the shadow.
    const EngineHandle block = iMeshCreate("data\\box.x");
    iMeshLocationSet(block, {-2, -49, 0});
    iMeshScaleSet(block, 0.25f, 1, 0.25f);
    iMeshShow(block);
    EXPECT_TRUE(IsWhite(OnTable(RenderAndCapture(), -2, 0)));
}

TEST_F(BodyMeshTest, ShadowsFallAlongASteepLight) {
    Table();
    const Vec3 direction{1, -2, 0};
    const float color[4] = {1, 1, 1, 0.4f};
    iLightDirectionalSet(&direction, color);
    const EngineHandle body = iBodySphereCreate(1, 0);
    // The box spans y -47 .. -45, 3 to 5 above the table: its shadow moves 1.5 to 2.5 units along x.
    iBodyLocationSet(body, {0, -46, 0}, -1);
    iMeshShow(iMeshBodyShadowCasterCreate("data\\box.x", body, 0));
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(Near(OnTable(p, 4, 0), 128, 128, 128, 6));
    EXPECT_TRUE(IsWhite(OnTable(p, 0, 3)));
    EXPECT_TRUE(IsWhite(OnTable(p, -1.5f, 0)));
}

TEST_F(BodyMeshTest, BodiesThatDoNotExistGiveZeroAndALogLine) {
    log_.clear();
    EXPECT_EQ(iBodyMeshCreate("data\\sprite.x", 0), 0);
    EXPECT_EQ(iMeshBodyShadowCasterCreate("data\\box.x", 12345, 40), 0);
    EXPECT_EQ(log_.size(), 2u);
    const EngineHandle body = iBodySphereCreate(1, 0);
    EXPECT_EQ(iBodyMeshCreate("data\\missing.x", body), 0);
    EXPECT_EQ(iMeshBodyShadowCasterCreate(nullptr, body, 40), 0);
    EXPECT_EQ(log_.size(), 3u);
}

TEST_F(BodyMeshTest, ClosingEndsBodiesAndSoundsAndOpeningBringsSoundBack) {
    const EngineHandle body = iBodySphereCreate(1, 0);
    iBodyLocationSet(body, {1, 2, 3}, -1);
    // A missing file is reported only by an open sound store.
    auto reported = [this] {
        log_.clear();
        EXPECT_EQ(iSoundCreate("sound\\missing.wav", 0), 0);
        for (const std::string& line : log_) {
            if (line.find("missing.wav") != std::string::npos) return true;
        }
        return false;
    };
    EXPECT_TRUE(reported()) << "sound is open with the engine";
    CloseEngine();
    EXPECT_EQ(iBodyLocation(body).x, 0) << "the physics world ended";
    EXPECT_FALSE(reported()) << "sound ended";
    OpenEngine();
    EXPECT_TRUE(reported());
}

}  // namespace
