// Handles name their kind: a live handle of one kind passed to another kind's functions
// reaches nothing, and no handle value is given out twice.
#include <gtest/gtest.h>

#include <set>

#include "tests/engine/engine_fixture.h"

namespace {

using HandleFamilies = EngineTest;

enum Kind { kCamera, kTexture, kMesh, kSprite, kFont, kSky, kBody, kPair, kWheel, kParticles, kEmitter, kTrail,
            kTrailEmitter, kKinds };

// The functions of every kind but `own` that would change their object, with handle h.
void ActAsOtherKinds(EngineHandle h, Kind own) {
    const auto other = [own](Kind kind) { return kind != own; };
    if (other(kCamera)) iCameraLocationSet(h, {50, 60, 70});
    if (other(kSky)) iSkyBoxShow(h);
    if (other(kMesh)) iMeshLocationSet(h, {0, 10, 12}), iMeshShow(h);
    if (other(kSprite)) iSpriteScaleSet(h, {20, 15}), iSpriteShow(h);
    if (other(kFont)) iPrint("8888", {-10, 0}, {4, 4}, 0, h);
    if (other(kBody)) iBodyLocationSet(h, {9, 9, 9}, 0), iBodyDestroy(h);
    if (other(kPair)) iBodyBodyFrictionSet(h, 0), iBodyBodyDestroy(h);
    if (other(kWheel)) iWheelSpinSet(h, 5000);
    if (other(kParticles)) iParticleShow(h);
    if (other(kEmitter)) iParticleEmitterLocationSet(h, {0, 10, 12});
    if (other(kTrail)) iTrailShow(h);
    if (other(kTrailEmitter)) iTrailEmitterLocationSet(h, {0, 10, 12}), iTrailEmitterEmit(h, 100, 1);
}

TEST_F(HandleFamilies, ALiveHandleOfOneKindReachesNothingOfAnother) {
    WriteFile("data/sprite.x", kSpriteX);
    WritePng("data/red.png", 4, 4, {kRed, kRed, kRed, kRed});
    WriteBoxFont("data/box.wid");
    WriteFile("data/sky.sky", "right red.png\nleft red.png\ntop red.png\nbottom red.png\nfront red.png\nback red.png\n");
    // One live object of every kind, each the first of its kind in this opening,
    // hidden or at rest, so anything that reaches it shows in the picture or its state.
    const EngineHandle camera = MenuCamera();
    iCameraLocationSet(camera, {0, 10, 0});
    const EngineHandle texture = iTextureCreate("data\\red.png");
    const EngineHandle mesh = iMeshCreate("data\\sprite.x");
    const EngineHandle sprite = iSpriteCreate("data\\sprite.x", camera);
    iSpriteTextureSet(sprite, texture);
    const EngineHandle font = iFontCreate("data\\box.wid", camera);
    const EngineHandle sky = iSkyBoxCreate("data\\sky.sky");
    const EngineHandle body = iBodySphereCreate(1, 1);
    const EngineHandle other = iBodySphereCreate(1, 1);
    const EngineHandle pair = iBodyBodyCreate(body, other);
    const EngineHandle wheel = iWheelCreate(body, other, {1, 0, 0}, {});
    const EngineHandle particles = iParticleCreate("data\\red.png", 10);
    const EngineHandle emitter = iParticleEmitterCreate(particles);
    const EngineHandle trail = iTrailCreate("data\\red.png", 10);
    const EngineHandle trailEmitter = iTrailEmitterCreate(trail);
    const std::vector<EngineHandle> live = {camera, texture, mesh, sprite, font, sky, body, pair, wheel,
                                            particles, emitter, trail, trailEmitter};
    for (EngineHandle h : live) ASSERT_NE(h, 0);
    EXPECT_EQ(std::set<EngineHandle>(live.begin(), live.end()).size(), live.size()) << "no two kinds share a value";
    const Vec3 bodyAt = iBodyLocation(other);
    ASSERT_EQ(live.size(), size_t(kKinds));
    iSimulationFrqSet(0);

    for (int kind = 0; kind < kKinds; ++kind) {
        SCOPED_TRACE(kind);
        ActAsOtherKinds(live[kind], Kind(kind));
    }
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300))) << "no mesh, sprite, text, sky or effect was shown";
    EXPECT_EQ(iCameraLocation(camera).y, 10);
    EXPECT_EQ(iBodyLocation(other).x, bodyAt.x);
    EXPECT_EQ(iBodyLocation(body).x, 0);
    EXPECT_NE(iBodyBodyCreate(body, other), 0) << "the pair and its bodies live on";
    EXPECT_EQ(iBodyBodyCreate(body, other), pair);
}

// A slot given out and ended again and again never hands out a value twice: its
// generation outlasts the 11 bits it is written in by retiring the slot.
TEST_F(HandleFamilies, NoHandleValueIsGivenOutTwiceAcrossReusesAndReopens) {
    std::set<EngineHandle> seen;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 2100; ++i) {
            const EngineHandle body = iBodySphereCreate(1, 0);
            ASSERT_NE(body, 0);
            ASSERT_TRUE(seen.insert(body).second) << "handle " << body << " given out twice, at " << i;
            iBodyDestroy(body);
        }
        CloseEngine();
        OpenEngine();
    }
    for (EngineHandle old : seen) iBodyLocationSet(old, {1, 1, 1}, 0);
    const EngineHandle fresh = iBodySphereCreate(1, 0);
    EXPECT_FALSE(seen.count(fresh));
    EXPECT_EQ(iBodyLocation(fresh).x, 0) << "no old handle reached the new body";
}

}  // namespace
