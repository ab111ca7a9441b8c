// The screen overlay: where sprites land, their order and blending, and one-frame texts.
#include "tests/engine/engine_fixture.h"

namespace {

using OverlayTest = EngineTest;

// 800 x 600 picture: one overlay unit is 25 pixels; the centre is (400, 300).
constexpr int kUnit = 25;

TEST_F(OverlayTest, SpriteOfScaleOneCoversTheCentralOnePointSixUnits) {
    MenuCamera();
    const EngineHandle sprite = iSpriteCreate("data\\Sprite.x", 0);
    ASSERT_NE(sprite, 0);
    iSpriteLocationSet(sprite, {0, 0});
    iSpriteScaleSet(sprite, {1, 1});
    const Picture hidden = RenderAndCapture();
    EXPECT_TRUE(IsBlack(hidden.At(400, 300))) << "sprites start hidden";
    iSpriteShow(sprite);
    const Picture p = RenderAndCapture();
    ASSERT_EQ(p.width, 800);
    // 1.6 units = 40 pixels: columns and rows 380..419.
    EXPECT_TRUE(IsWhite(p.At(380, 280)));
    EXPECT_TRUE(IsWhite(p.At(419, 319)));
    EXPECT_TRUE(IsBlack(p.At(379, 300)));
    EXPECT_TRUE(IsBlack(p.At(420, 300)));
    EXPECT_TRUE(IsBlack(p.At(400, 279)));
    EXPECT_TRUE(IsBlack(p.At(400, 320)));
}

TEST_F(OverlayTest, SpriteLocationIsInOverlayUnitsWithYUp) {
    const EngineHandle sprite = iSpriteCreate("data\\sprite.x", 0);
    iSpriteLocationSet(sprite, {-10, 8});
    iSpriteShow(sprite);
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(400 - 10 * kUnit, 300 - 8 * kUnit)));
    EXPECT_TRUE(IsBlack(p.At(400 + 10 * kUnit, 300 - 8 * kUnit)));
    EXPECT_TRUE(IsBlack(p.At(400 - 10 * kUnit, 300 + 8 * kUnit)));
}

TEST_F(OverlayTest, SpriteOfScaleTwentyByFifteenFillsThePictureUpright) {
    WritePng("data/quads.png", 8, 8, {kRed, kGreen, kBlue, kWhite});
    iTextureMipLevelsSet(1);  // as for menu pictures: clamped at the edges
    const EngineHandle sprite = iSpriteCreate("data\\sprite.x", 0);
    iSpriteTextureSet(sprite, iTextureCreate("data\\quads.png"));
    iSpriteScaleSet(sprite, {20, 15});
    iSpriteShow(sprite);
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(Near(p.At(0, 0), 255, 0, 0));
    EXPECT_TRUE(Near(p.At(799, 0), 0, 255, 0));
    EXPECT_TRUE(Near(p.At(0, 599), 0, 0, 255));
    EXPECT_TRUE(Near(p.At(799, 599), 255, 255, 255));
}

TEST_F(OverlayTest, HigherPriorityDrawsOnTopWhateverTheCreationOrder) {
    WritePng("data/red.png", 4, 4, {kRed, kRed, kRed, kRed});
    WritePng("data/blue.png", 4, 4, {kBlue, kBlue, kBlue, kBlue});
    const EngineHandle red = iSpriteCreate("data\\sprite.x", 0);
    const EngineHandle blue = iSpriteCreate("data\\sprite.x", 0);
    iSpriteTextureSet(red, iTextureCreate("data\\red.png"));
    iSpriteTextureSet(blue, iTextureCreate("data\\blue.png"));
    for (EngineHandle s : {red, blue}) {
        iSpriteScaleSet(s, {5, 5});
        iSpriteShow(s);
    }
    iSpritePrioritySet(red, 2);
    iSpritePrioritySet(blue, 1);
    EXPECT_TRUE(Near(RenderAndCapture().At(400, 300), 255, 0, 0));
    iSpritePrioritySet(red, 0);
    EXPECT_TRUE(Near(RenderAndCapture().At(400, 300), 0, 0, 255));
}

TEST_F(OverlayTest, SpriteColourTintsAndItsAlphaBlends) {
    const EngineHandle sprite = iSpriteCreate("data\\sprite.x", 0);
    iSpriteScaleSet(sprite, {5, 5});
    iSpriteShow(sprite);
    iSpriteColorSet(sprite, 1, 0, 0, 1);
    EXPECT_TRUE(Near(RenderAndCapture().At(400, 300), 255, 0, 0));
    iSpriteColorSet(sprite, 1, 1, 1, 0.5f);
    EXPECT_TRUE(Near(RenderAndCapture().At(400, 300), 128, 128, 128, 3));
    iSpriteHide(sprite);
    EXPECT_TRUE(IsBlack(RenderAndCapture().At(400, 300)));
}

TEST_F(OverlayTest, TextIsCentredOnItsLineAndAdvancesByWidthPlusSpacing) {
    WriteBoxFont("data/_fontg/Box.wid");
    const EngineHandle font = iFontCreate("data\\_fontg\\box.wid", MenuCamera());
    ASSERT_NE(font, 0);
    // Em 4 units: glyphs 2 units wide, advancing 2 + 0.8; rows 250..349.
    iPrint("11", {0, 0}, {4, 4}, 0.8f, font);
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(IsWhite(p.At(401, 300)));
    EXPECT_TRUE(IsWhite(p.At(448, 251)));
    EXPECT_TRUE(IsBlack(p.At(460, 300))) << "the spacing between the glyphs";
    EXPECT_TRUE(IsWhite(p.At(471, 348)));
    EXPECT_TRUE(IsWhite(p.At(518, 300)));
    EXPECT_TRUE(IsBlack(p.At(521, 300)));
    EXPECT_TRUE(IsBlack(p.At(425, 248)));
    EXPECT_TRUE(IsBlack(p.At(425, 351)));
    EXPECT_TRUE(IsBlack(p.At(398, 300)));
}

TEST_F(OverlayTest, HudDigitsAtSizeHalfAndSpacingPointOneAdvancePointThreeFive) {
    WriteBoxFont("data/font.wid");
    const EngineHandle font = iFontCreate("data\\font.wid", MenuCamera());
    iPrint("00", {0, 0}, {0.5f, 0.5f}, 0.1f, font);
    const Picture p = RenderAndCapture();
    // First digit 400..406.25, second from 408.75 to 415 (0.35 units = 8.75 pixels).
    EXPECT_TRUE(IsWhite(p.At(403, 300)));
    EXPECT_TRUE(IsBlack(p.At(407, 300)));
    EXPECT_TRUE(IsWhite(p.At(411, 300)));
    EXPECT_TRUE(IsBlack(p.At(416, 300)));
}

TEST_F(OverlayTest, TextsLastOneFrameAndPrintsHideDropsThisFramesTexts) {
    WriteBoxFont("data/font.wid");
    const EngineHandle font = iFontCreate("data\\font.wid", MenuCamera());
    iEngineMain();
    iPrintColorSet(1, 0, 0, 1);
    iPrint("A", {0, 0}, {4, 4}, 0, font);
    iEngineRender();
    EXPECT_TRUE(Near(Capture().At(425, 300), 255, 0, 0));

    iEngineMain();
    iEngineRender();
    EXPECT_TRUE(IsBlack(Capture().At(425, 300))) << "a text is drawn in its own frame only";

    iEngineMain();
    iPrint("A", {0, 0}, {4, 4}, 0, font);
    iPrintsHide();
    iPrint("A", {-8, 0}, {4, 4}, 0, font);
    iEngineRender();
    const Picture p = Capture();
    EXPECT_TRUE(IsBlack(p.At(425, 300))) << "dropped by iPrintsHide";
    EXPECT_TRUE(Near(p.At(225, 300), 255, 0, 0)) << "printed after iPrintsHide, colour kept";
}

TEST_F(OverlayTest, TextsDrawOverSprites) {
    WriteBoxFont("data/font.wid");
    const EngineHandle font = iFontCreate("data\\font.wid", MenuCamera());
    const EngineHandle sprite = iSpriteCreate("data\\sprite.x", 0);
    iSpriteScaleSet(sprite, {20, 15});
    iSpriteColorSet(sprite, 0, 0, 1, 1);
    iSpritePrioritySet(sprite, 1000);
    iSpriteShow(sprite);
    iPrintColorSet(0, 1, 0, 1);
    iPrint("A", {0, 0}, {4, 4}, 0, font);
    const Picture p = RenderAndCapture();
    EXPECT_TRUE(Near(p.At(425, 300), 0, 255, 0));
    EXPECT_TRUE(Near(p.At(200, 300), 0, 0, 255));
}

}  // namespace
