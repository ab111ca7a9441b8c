// Particles and trails: what shows where, fading, cuts, hiding, bad handles and missing textures.
#include "tests/engine/engine_fixture.h"
#include "tests/engine/frame_driver.h"

#include "engine/engine.h"

namespace {

class EffectsTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        WriteFile("data/white.dds", SolidDds(4, 4, 255, 255, 255, 255));
        StartManualFrames();
    }

    // A red particle system of quads 2 x 2 at (0, 0, 20), seen by a camera at the origin looking along +z.
    EngineHandle RedParticles(EngineHandle* emitter) {
        iCameraCreate(0, 0, 1, 1);
        const EngineHandle system = iParticleCreate("data\\white.dds", 50);
        iParticleLifeTimeSet(system, 0.5f);
        iParticleColorSet(system, {1, 0, 0}, {1, 0, 0});
        *emitter = iParticleEmitterCreate(system);
        iParticleEmitterLocationSet(*emitter, {0, 0, 20});
        iParticleEmitterSpeedSet(*emitter, 0, 0);
        iParticleEmitterScaleSet(*emitter, {2, 2}, {2, 2});
        return system;
    }

    // A camera 20 above the xz plane looking down: +x to the right, +z up the picture.
    void TopCamera() {
        const EngineHandle camera = iCameraCreate(0, 0, 1, 1);
        iCameraLocationSet(camera, {0, 20, 0});
        iCameraEulerOrientationSet(camera, 90, 0, 0, "xyz");
    }

    // The pixel showing the point (x, 0, z) from TopCamera: 300 / (20 tan 30) pixels a unit.
    static Rgb Ground(const Picture& p, float x, float z) {
        const float pixelsPerUnit = 300 / 11.547f;
        return p.At(int(400 + x * pixelsPerUnit), int(300 - z * pixelsPerUnit));
    }
};

TEST_F(EffectsTest, AShownSystemDrawsAtItsEmitterAndNothingOnceHidden) {
    EngineHandle emitter = 0;
    const EngineHandle system = RedParticles(&emitter);
    ASSERT_NE(system, 0);
    ASSERT_NE(emitter, 0);
    RunFrame(0.1f);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300))) << "created hidden";
    iParticleShow(system);
    for (int i = 0; i < 5; ++i) RunFrame(0.1f);
    Picture p = RenderAndCapture();
    EXPECT_GT(p.At(400, 300).r, 200);
    EXPECT_LT(p.At(400, 300).g, 10);
    EXPECT_TRUE(IsBlack(p.At(400 + 60, 300))) << "a quad of 2 units reaches 26 pixels out";
    EXPECT_TRUE(IsBlack(p.At(100, 100)));

    iParticleEmitterLocationSet(emitter, {5, 0, 20});
    for (int i = 0; i < 6; ++i) RunFrame(0.1f);  // the old particles die, new ones are born there
    p = RenderAndCapture();
    EXPECT_TRUE(IsBlack(p.At(400, 300)));
    EXPECT_GT(p.At(400 + 130, 300).r, 200);

    iParticleHide(system);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400 + 130, 300)));
    RunFrame(0.1f);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400 + 130, 300))) << "a hidden system does not emit";
}

TEST_F(EffectsTest, ParticlesFlyAlongTheEmitterDirectionAndAirResistanceHoldsThemBack) {
    EngineHandle emitter = 0;
    const EngineHandle system = RedParticles(&emitter);
    iParticleLifeTimeSet(system, 1);
    iParticleEmitterDirectionSet(emitter, {1, 0, 0}, {1, 0, 0});
    iParticleEmitterSpeedSet(emitter, 10, 10);
    iParticleEmitterScaleSet(emitter, {1, 1}, {1, 1});
    iParticleShow(system);
    for (int i = 0; i < 20; ++i) RunFrame(0.05f);
    Picture p = RenderAndCapture();
    // 5 units to the right of the emitter at 20 units: 130 pixels.
    EXPECT_GT(p.At(400 + 130, 300).r, 100);
    EXPECT_TRUE(IsBlack(p.At(400 - 130, 300)));

    // Speed falls to exp(-10 t): no particle gets a unit and a half from the emitter.
    iParticleAirResistanceSet(system, 10);
    for (int i = 0; i < 30; ++i) RunFrame(0.05f);
    p = RenderAndCapture();
    EXPECT_TRUE(IsBlack(p.At(400 + 130, 300)));
    EXPECT_GT(p.At(400 + 20, 300).r, 100);
}

// Frames that draw nothing leave the particles waiting; the next drawn frame ages
// them by all the time since and fills the system again where the emitter is now.
TEST_F(EffectsTest, ParticlesWaitWhileNothingIsDrawnAndCatchUpOnTheNextDrawnFrame) {
    struct DrawingBackOn {
        ~DrawingBackOn() { iEngineDrawingSet(-1); }
    } drawingBackOn;
    EngineHandle emitter = 0;
    const EngineHandle system = RedParticles(&emitter);
    iParticleShow(system);
    for (int i = 0; i < 5; ++i) RunFrame(0.1f);
    EXPECT_GT(RenderAndCapture().At(400, 300).r, 200);

    iEngineDrawingSet(0);
    iParticleEmitterLocationSet(emitter, {5, 0, 20});
    for (int i = 0; i < 20; ++i) RunFrame(0.1f);
    iEngineDrawingSet(-1);
    RunFrame(0.02f);
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(IsBlack(p.At(400, 300))) << "the particles from before lived out their half second";
    EXPECT_GT(p.At(400 + 130, 300).r, 200) << "new ones came out where the emitter is now";
}

TEST_F(EffectsTest, ParticleColourGoesFromBirthToDeathAndModeOneBlends) {
    EngineHandle emitter = 0;
    const EngineHandle system = RedParticles(&emitter);
    iParticleColorSet(system, {0, 0, 1}, {0, 0, 1});
    iParticleRenderModeSet(system, 1);
    iParticleShow(system);
    for (int i = 0; i < 10; ++i) RunFrame(0.1f);
    const Rgb c = RenderAndCapture().At(400, 300);
    EXPECT_EQ(c.r, 0);
    EXPECT_GT(c.b, 200);
}

// An emitter moving along x from -8 to +8 at 10 units a second, laying a ribbon across z,
// cut while it passes x = -1 .. 1.
TEST_F(EffectsTest, ATrailFollowsItsEmitterBreaksWhereCutAndFadesAway) {
    WriteFile("data/trail.dds", SolidDds(8, 8, 255, 255, 255, 255));
    TopCamera();
    const EngineHandle trail = iTrailCreate("data\\trail.dds", 100);
    ASSERT_NE(trail, 0);
    iTrailLifeTimeSet(trail, 4);
    iTrailColorSet(trail, {1, 1, 1}, {1, 1, 1});
    const EngineHandle emitter = iTrailEmitterCreate(trail);
    ASSERT_NE(emitter, 0);
    iTrailEmitterScaleSet(emitter, 1);
    const Vec3 up{0, 1, 0};
    iTrailEmitterOrientationSet(emitter, iQuaternionLookAt({1, 0, 0}, &up));  // local x lies along -z
    for (float x = -8; x <= 8.01f; x += 0.5f) {
        iTrailEmitterLocationSet(emitter, {x, 0, 0});
        if (x > -1.01f && x < 1.01f) {
            iTrailEmitterCut(emitter);
        } else {
            iTrailEmitterEmit(emitter, 20, 1);
        }
        RunFrame(0.05f);
    }
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300))) << "created hidden";
    iTrailShow(trail);
    Picture p = RenderAndCapture();
    EXPECT_GT(Ground(p, -5, 0).r, 60);
    EXPECT_GT(Ground(p, 5, 0).r, 60);
    EXPECT_TRUE(IsBlack(Ground(p, 0, 0))) << "the cut leaves a gap";
    EXPECT_TRUE(IsBlack(Ground(p, -5, 1))) << "the ribbon is one unit wide";
    EXPECT_FALSE(IsBlack(Ground(p, -5, 0.35f)));
    EXPECT_LT(Ground(p, -7, 0).r + 20, Ground(p, 7, 0).r) << "older points have faded further";

    for (int i = 0; i < 20; ++i) RunFrame(0.2f);
    p = RenderAndCapture();
    EXPECT_TRUE(IsBlack(Ground(p, -5, 0)));
    EXPECT_TRUE(IsBlack(Ground(p, 7, 0)));
}

TEST_F(EffectsTest, TrailColourAndOpacityTintTheRibbonAndHidingRemovesIt) {
    WriteFile("data/trail.dds", SolidDds(8, 8, 255, 255, 255, 255));
    TopCamera();
    const EngineHandle trail = iTrailCreate("data\\trail.dds", 100);
    iTrailLifeTimeSet(trail, 100);
    iTrailColorSet(trail, {0, 1, 0}, {0, 1, 0});
    const EngineHandle emitter = iTrailEmitterCreate(trail);
    iTrailEmitterScaleSet(emitter, 2);
    iTrailShow(trail);
    // Identity orientation: the ribbon lies along x, so it is laid moving along z.
    for (float z = -6; z <= 6.01f; z += 1) {
        iTrailEmitterLocationSet(emitter, {0, 0, z});
        iTrailEmitterEmit(emitter, 1000, 0.5f);
        RunFrame(0.01f);
    }
    Picture p = RenderAndCapture();
    EXPECT_TRUE(Near(Ground(p, 0, 0), 0, 128, 0, 6)) << "half opacity over black";
    EXPECT_TRUE(Near(Ground(p, 0.8f, 3), 0, 128, 0, 6));
    EXPECT_TRUE(IsBlack(Ground(p, 1.3f, 3)));
    iTrailHide(trail);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300)));
}

TEST_F(EffectsTest, MissingTexturesGiveZeroAndALogLine) {
    log_.clear();
    EXPECT_EQ(iParticleCreate("data\\nothing.dds", 10), 0);
    EXPECT_EQ(iTrailCreate("data\\nowhere.dds", 10), 0);
    ASSERT_EQ(log_.size(), 2u);
    EXPECT_NE(log_[0].find("nothing.dds"), std::string::npos);
    EXPECT_NE(log_[1].find("nowhere.dds"), std::string::npos);
    EXPECT_EQ(iParticleCreate(nullptr, 10), 0);
    EXPECT_EQ(iParticleEmitterCreate(0), 0);
    EXPECT_EQ(iTrailEmitterCreate(0), 0);
}

void TouchEffects(EngineHandle h) {
    const Vec3 v{1, 2, 3};
    iParticleLifeTimeSet(h, 1);
    iParticleAirResistanceSet(h, 1);
    iParticleColorSet(h, v, v);
    iParticleRenderModeSet(h, 1);
    iParticleShow(h);
    iParticleEmitterLocationSet(h, v);
    iParticleEmitterDirectionSet(h, v, v);
    iParticleEmitterSpeedSet(h, 1, 2);
    iParticleEmitterScaleSet(h, {1, 1}, {2, 2});
    iTrailLifeTimeSet(h, 1);
    iTrailColorSet(h, v, v);
    iTrailShow(h);
    iTrailEmitterScaleSet(h, 2);
    iTrailEmitterLocationSet(h, v);
    iTrailEmitterOrientationSet(h, {});
    iTrailEmitterEmit(h, 10, 1);
    iTrailEmitterCut(h);
    iParticleHide(h);
    iTrailHide(h);
}

TEST_F(EffectsTest, HandleZeroStaleHandlesAndAClosedEngineAreHarmless) {
    iCameraCreate(0, 0, 1, 1);
    for (EngineHandle h : {0, -1, 1, 12345678}) {
        SCOPED_TRACE(h);
        TouchEffects(h);
    }
    const EngineHandle system = iParticleCreate("data\\white.dds", 10);
    const EngineHandle trail = iTrailCreate("data\\white.dds", 10);
    ASSERT_NE(system, 0);
    CloseEngine();
    TouchEffects(system);
    TouchEffects(trail);
    EXPECT_EQ(iParticleCreate("data\\white.dds", 10), 0);
    OpenEngine();
    StartManualFrames();
    iCameraCreate(0, 0, 1, 1);
    iParticleShow(system);  // from before the re-open: finds nothing
    const EngineHandle emitter = iParticleEmitterCreate(system);
    EXPECT_EQ(emitter, 0);
    RunFrame(0.1f);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300)));
}

TEST_F(EffectsTest, DamagedNumbersAreIgnored) {
    EngineHandle emitter = 0;
    const EngineHandle system = RedParticles(&emitter);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    iParticleEmitterLocationSet(emitter, {nan, 0, 0});
    iParticleEmitterSpeedSet(emitter, nan, 1);
    iParticleLifeTimeSet(system, -3);  // particles that die at once
    iParticleShow(system);
    RunFrame(0.1f);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300)));
    iParticleLifeTimeSet(system, 0.5f);
    RunFrame(0.1f);
    EXPECT_GT(RenderAndCapture().At(400, 300).r, 100) << "the emitter kept its place";
}

}  // namespace
