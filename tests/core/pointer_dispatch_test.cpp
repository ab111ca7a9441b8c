// The pointer in menu space, the cursor's animation and place, and hover and click dispatch.
#include "core/pointer_dispatch.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/app_state.h"
#include "core/frame_timer.h"

namespace {

TEST(PointerPosition, FullScreenCornersAndCentre) {
    const MenuPoint topLeft = FullScreenPointer(0, 0);
    EXPECT_EQ(topLeft.x, -16);
    EXPECT_EQ(topLeft.y, 12);
    const MenuPoint bottomRight = FullScreenPointer(1, 1);
    EXPECT_EQ(bottomRight.x, 16);
    EXPECT_EQ(bottomRight.y, -12);
    const MenuPoint centre = FullScreenPointer(0.5, 0.5);
    EXPECT_EQ(centre.x, 0);
    EXPECT_EQ(centre.y, 0);
}

TEST(PointerPosition, WindowedMapsBelowTheCaptionAndEdgesCountAsInside) {
    const platform::Rect window{100, 50, 900, 680};  // the top of the picture is at 50 + 30
    const auto topLeft = WindowedPointer({100, 80}, window, 30);
    ASSERT_TRUE(topLeft.has_value());
    EXPECT_EQ(topLeft->x, -16);
    EXPECT_EQ(topLeft->y, 12);
    const auto bottomRight = WindowedPointer({900, 680}, window, 30);
    ASSERT_TRUE(bottomRight.has_value());
    EXPECT_EQ(bottomRight->x, 16);
    EXPECT_EQ(bottomRight->y, -12);
    const auto middle = WindowedPointer({500, 380}, window, 30);
    ASSERT_TRUE(middle.has_value());
    EXPECT_EQ(middle->x, 0);
    EXPECT_EQ(middle->y, 0);

    EXPECT_FALSE(WindowedPointer({500, 79}, window, 30)) << "over the caption";
    EXPECT_FALSE(WindowedPointer({99, 300}, window, 30));
    EXPECT_FALSE(WindowedPointer({901, 300}, window, 30));
    EXPECT_FALSE(WindowedPointer({500, 681}, window, 30));
    EXPECT_FALSE(WindowedPointer({100, 80}, {100, 50, 100, 680}, 30)) << "no width";
    EXPECT_FALSE(WindowedPointer({100, 80}, {100, 50, 900, 80}, 30)) << "no height below the caption";
}

TEST(CursorSprite, FramesAdvanceOnceEveryTenthOfASecondAndWrap) {
    CursorSprite cursor;
    EXPECT_EQ(cursor.Frame(), 1);
    cursor.Animate(0);
    EXPECT_EQ(cursor.Frame(), 2) << "the timer starts at -1: the first step moves on";
    cursor.Animate(0.04L);
    cursor.Animate(0.04L);
    EXPECT_EQ(cursor.Frame(), 2);
    cursor.Animate(0.03L);
    EXPECT_EQ(cursor.Frame(), 3);
    cursor.Animate(5.0L);
    EXPECT_EQ(cursor.Frame(), 4) << "a long frame advances only one picture";
    for (int i = 0; i < 6; ++i) cursor.Animate(0.11L);
    EXPECT_EQ(cursor.Frame(), 10);
    cursor.Animate(0.11L);
    EXPECT_EQ(cursor.Frame(), 1);
}

class PointerDispatchTest : public ::testing::Test {
protected:
    CursorSprite cursor;
    std::optional<MenuPoint> pointer = FullScreenPointer(0.25, 0.25);
    bool clicked = false;
    std::vector<std::string> calls;
    ScreenTable screens;
    PointerDispatch dispatch{cursor, screens, {[this] { return pointer; }, [this] { return clicked; }}};

    void SetUp() override {
        FrameScale = 1;
        AppState = StateNameEntry;
        for (AppStateValue state : {StateNameEntry, StateNameEntryName, StateNameEntryCountry, StateMainMenu,
                                    StateCarChoice, StateExitConfirm}) {
            ScreenRow row;
            row.name = "screen " + std::to_string(state);
            row.states = {state};
            row.hover = [this, state](long double x, long double y) {
                calls.push_back("hover " + std::to_string(state) + " " + Point(x, y));
            };
            row.click = [this, state](long double x, long double y) {
                calls.push_back("click " + std::to_string(state) + " " + Point(x, y));
            };
            screens.Add(std::move(row));
        }
        dispatch.SetMainMenuHandlers([this](long double, long double) { calls.push_back("menu hover"); },
                                     [this](long double, long double) {
                                         calls.push_back("menu click");
                                         AppState = StateCarChoice;
                                     });
    }
    static std::string Point(long double x, long double y) {
        return std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
    }
    void Frame() {
        dispatch.HoverStep();
        dispatch.ClickStep();
    }
};

TEST_F(PointerDispatchTest, TopLeftCornerDrawsTheCursorAtItsHotSpot) {
    pointer = FullScreenPointer(0, 0);
    dispatch.HoverStep();
    EXPECT_FLOAT_EQ(cursor.Location().x, -16.0f);
    EXPECT_FLOAT_EQ(cursor.Location().y, 12.0f);
    dispatch.ClickStep();
    EXPECT_FLOAT_EQ(cursor.Location().x, -15.3f);
    EXPECT_FLOAT_EQ(cursor.Location().y, 11.6f);
    EXPECT_EQ(calls, (std::vector<std::string>{"hover 19 -16,12"}));
}

TEST_F(PointerDispatchTest, HoverReactsOnlyToMovementWhileClicksAlwaysWork) {
    Frame();
    Frame();
    EXPECT_EQ(calls, (std::vector<std::string>{"hover 19 -8,6"}));
    AppState = StateNameEntryName;  // the screen changed under a still pointer
    clicked = true;
    Frame();
    EXPECT_EQ(calls, (std::vector<std::string>{"hover 19 -8,6", "click 20 -8,6"}));
    clicked = false;
    pointer = FullScreenPointer(0.75, 0.25);
    Frame();
    EXPECT_EQ(calls.back(), "hover 20 8,6");
    EXPECT_EQ(dispatch.Previous().x, 8);
}

TEST_F(PointerDispatchTest, APointerAtTheOriginAtStartIsNoMovement) {
    pointer = MenuPoint{0, 0};
    Frame();
    EXPECT_TRUE(calls.empty());
}

TEST_F(PointerDispatchTest, AnAbsentPointerNeitherHoversNorClicksNorMovesTheCursor) {
    Frame();
    const Vec2 placed = cursor.Location();
    pointer.reset();
    clicked = true;
    const int frameBefore = cursor.Frame();
    for (int i = 0; i < 8; ++i) Frame();  // 8 x 13 ms: just over a cursor frame
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(cursor.Location().x, placed.x);
    EXPECT_EQ(cursor.Location().y, placed.y);
    EXPECT_EQ(cursor.Frame(), frameBefore + 1) << "the cursor still animates";
}

TEST_F(PointerDispatchTest, TheCursorAnimatesByGameTime) {
    Frame();  // the first step moves on at once
    const int start = cursor.Frame();
    for (int i = 0; i < 7; ++i) Frame();
    EXPECT_EQ(cursor.Frame(), start) << "91 ms";
    Frame();
    EXPECT_EQ(cursor.Frame(), start + 1) << "104 ms";
    FrameScale = 0;  // a still frame after a load
    for (int i = 0; i < 20; ++i) Frame();
    EXPECT_EQ(cursor.Frame(), start + 1);
}

TEST_F(PointerDispatchTest, MainMenuButtonsComeFirstExceptUnderTheQuestions) {
    AppState = StateMainMenu;
    clicked = true;
    Frame();
    // The main menu's click switched to the car choice; that screen gets the click.
    EXPECT_EQ(calls, (std::vector<std::string>{"menu hover", "hover 5 -8,6", "menu click", "click 36 -8,6"}));

    calls.clear();
    AppState = StateExitConfirm;
    pointer = FullScreenPointer(0.5, 0.5);
    Frame();
    EXPECT_EQ(calls, (std::vector<std::string>{"hover 11 0,0", "click 11 0,0"}));

    calls.clear();
    AppState = StateRace;  // no handlers, not a menu state
    pointer = FullScreenPointer(0.1, 0.5);
    Frame();
    EXPECT_TRUE(calls.empty());
}

}  // namespace
