// Button hit areas at their edges and the highlight fade, for both kinds of button.
#include <gtest/gtest.h>

#include "menus/mesh_flat_button.h"
#include "menus/outline_vertex.h"
#include "menus/sprite_flat_button.h"

namespace {

// left -2, top 3, right 4, bottom -1
const std::vector<OutlineVertex> kRect = RectangleOutline(-2, 3, 4, -1);

TEST(OutlineContains, RectangleEdgesAreOutsideAndJustInsideIsInside) {
    EXPECT_FALSE(OutlineContains(kRect, -2.0, 1.0)) << "on the left edge";
    EXPECT_TRUE(OutlineContains(kRect, -1.999, 1.0));
    EXPECT_FALSE(OutlineContains(kRect, 4.0, 1.0)) << "on the right edge";
    EXPECT_TRUE(OutlineContains(kRect, 3.999, 1.0));
    EXPECT_FALSE(OutlineContains(kRect, 0.0, 3.0)) << "on the top edge";
    EXPECT_TRUE(OutlineContains(kRect, 0.0, 2.999));
    EXPECT_FALSE(OutlineContains(kRect, 0.0, -1.0)) << "on the bottom edge";
    EXPECT_TRUE(OutlineContains(kRect, 0.0, -0.999));
    EXPECT_FALSE(OutlineContains(kRect, -3.0, 1.0));
    EXPECT_FALSE(OutlineContains(kRect, 0.0, 5.0));
}

TEST(OutlineContains, AnOpenOutlineHasNoClosingEdge) {
    std::vector<OutlineVertex> open = kRect;
    open.pop_back();  // the left edge is gone
    EXPECT_TRUE(OutlineContains(open, -1000.0, 1.0));
    EXPECT_FALSE(OutlineContains(open, -1000.0, 4.0)) << "the top edge still holds";
    EXPECT_FALSE(OutlineContains(open, 5.0, 1.0)) << "the right edge still holds";
}

TEST(OutlineContains, ASlantedEdgeIsAHorizontalBoundaryAtItsFirstVertex) {
    const std::vector<OutlineVertex> slanted = {{0, 2, false}, {10, 1, false}};
    EXPECT_TRUE(OutlineContains(slanted, 10.0, 1.5)) << "below 2, though above the line at x = 10";
    EXPECT_TRUE(OutlineContains(slanted, 100.0, 1.99)) << "the edge has no ends";
    EXPECT_FALSE(OutlineContains(slanted, 5.0, 2.0));
    EXPECT_FALSE(OutlineContains(slanted, -5.0, 2.5));
}

TEST(OutlineContains, NearlyVerticalEdgesTestXAndTheLastFlagIsUnused) {
    // Ends 0.04 apart in x: a vertical edge at x = 1, inside to the right.
    const std::vector<OutlineVertex> steep = {{1, 0, true}, {1.04, 10, false}};
    EXPECT_TRUE(OutlineContains(steep, 1.01, -50.0));
    EXPECT_FALSE(OutlineContains(steep, 1.0, 5.0));
    // Ends 0.05 apart: no longer vertical; a boundary at y = 0, inside above.
    const std::vector<OutlineVertex> shallow = {{1, 0, true}, {1.05, 10, false}};
    EXPECT_TRUE(OutlineContains(shallow, -50.0, 0.01));
    EXPECT_FALSE(OutlineContains(shallow, 1.5, -0.01));

    std::vector<OutlineVertex> flipped = kRect;
    flipped.back().insideGreater = !flipped.back().insideGreater;
    EXPECT_TRUE(OutlineContains(flipped, 0.0, 0.0));
    EXPECT_FALSE(OutlineContains(flipped, 0.0, 4.0));
}

TEST(OutlineContains, TooFewVerticesHaveNoEdges) {
    EXPECT_TRUE(OutlineContains({}, 123.0, -4.0));
    EXPECT_TRUE(OutlineContains({{0, 0, true}}, -1.0, -1.0));
}

template <typename Button>
class FlatButtonTest : public ::testing::Test {
protected:
    Button button;
    void SetUp() override {
        button.outline = kRect;
        button.enabled = true;
    }
    void Fade(int frames) {
        for (int i = 0; i < frames; ++i) button.UpdateFade();
    }
};

using ButtonKinds = ::testing::Types<TMeshFlatButton, TSpriteFlatButton>;
TYPED_TEST_SUITE(FlatButtonTest, ButtonKinds);

TYPED_TEST(FlatButtonTest, DisabledButtonsNeverContainThePointer) {
    EXPECT_TRUE(this->button.Contains(0, 0));
    this->button.enabled = false;
    EXPECT_FALSE(this->button.Contains(0, 0));
    this->button.outline.clear();  // an outline that accepts everything
    EXPECT_FALSE(this->button.Contains(0, 0));
    this->button.enabled = true;
    EXPECT_TRUE(this->button.Contains(0, 0));
}

TYPED_TEST(FlatButtonTest, HighlightFadesInOverFiftyFramesAndBackOut) {
    this->button.SetHovered();
    this->Fade(49);
    EXPECT_EQ(this->button.highlight.alpha, 98);
    this->Fade(1);
    EXPECT_EQ(this->button.highlight.alpha, 100);
    this->Fade(10);
    EXPECT_EQ(this->button.highlight.alpha, 100) << "stays full";
    EXPECT_EQ(this->button.base.alpha, 0) << "the base is never faded";

    this->button.ClearHovered();
    this->Fade(1);
    EXPECT_EQ(this->button.highlight.alpha, 98);
    this->Fade(49);
    EXPECT_EQ(this->button.highlight.alpha, 0);
    this->Fade(3);
    EXPECT_EQ(this->button.highlight.alpha, 0);
}

TYPED_TEST(FlatButtonTest, DisabledHoveredButtonFadesOutAndOddAlphasAreClamped) {
    this->button.SetHovered();
    this->button.highlight.SetAlpha(99);
    this->Fade(1);
    EXPECT_EQ(this->button.highlight.alpha, 100);
    this->button.enabled = false;
    this->Fade(1);
    EXPECT_EQ(this->button.highlight.alpha, 98) << "disabled: fades although hovered";
    this->button.highlight.SetAlpha(1);
    this->Fade(1);
    EXPECT_EQ(this->button.highlight.alpha, 0);
}

}  // namespace
