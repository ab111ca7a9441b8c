// The car choice: the cycle of five cars with one picture at a time, the arrows' first press,
// and the panel sliding with its buttons off.
#include "menus/select_ship_menu.h"

#include "core/app_state.h"
#include "core/race_choices.h"
#include "side_panel_fixture.h"

namespace {

enum : int { kEsc = 1, kEnter = 28, kLeft = 203, kRight = 205 };

class SelectShipMenuTest : public SidePanelTest {
protected:
    std::vector<uint8_t> opened;
    TSelectShipMenu menu{{[this](uint8_t target) { opened.push_back(target); }}};

    void SetUp() override {
        SidePanelTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        menu.Init();
        AppState = StateCarChoice;
        menu.Enter();
        menu.Update();
    }
    // The one car picture shown (1..5), 0 when none, -1 when more than one.
    int ShownCar() {
        int shown = 0;
        for (int model = 1; model <= 5; ++model) {
            if (Shown(menu.images[model + 1])) shown = shown == 0 ? model : -1;
        }
        return shown;
    }
};

TEST_F(SelectShipMenuTest, CarsCycleBothWaysWithExactlyOnePictureShown) {
    EXPECT_EQ(SelectedCar, 1);
    EXPECT_EQ(ShownCar(), 1);
    menu.selection = 2;
    const int up[] = {2, 3, 4, 5, 1, 2};
    for (int expected : up) {
        menu.HandleKey(kRight);
        menu.Update();
        EXPECT_EQ(SelectedCar, expected);
        EXPECT_EQ(ShownCar(), expected);
    }
    menu.selection = 3;
    const int down[] = {1, 5, 4};
    for (int expected : down) {
        menu.HandleKey(kLeft);
        menu.Update();
        EXPECT_EQ(SelectedCar, expected);
        EXPECT_EQ(ShownCar(), expected);
    }
    SelectedCar = 9;  // out of range: brought back into the cycle
    menu.CycleCar(true);
    EXPECT_EQ(SelectedCar, 5);
}

TEST_F(SelectShipMenuTest, TheFirstArrowOnlyMovesTheSelectionAndEnterOnAnArrowStays) {
    ASSERT_EQ(menu.selection, 1);
    menu.HandleKey(kRight);
    EXPECT_EQ(menu.selection, 2);
    EXPECT_EQ(SelectedCar, 1);
    menu.HandleKey(kLeft);
    EXPECT_EQ(menu.selection, 1);
    menu.HandleKey(kLeft);
    EXPECT_EQ(menu.selection, 3);
    EXPECT_EQ(SelectedCar, 1);
    menu.HandleKey(kEnter);
    EXPECT_EQ(SelectedCar, 5);
    EXPECT_EQ(menu.selection, 3);
    menu.HandleKey(kRight);
    EXPECT_EQ(menu.selection, 1);
    EXPECT_TRUE(opened.empty());
    menu.HandleKey(kEnter);
    menu.HandleKey(kEsc);
    EXPECT_EQ(opened, (std::vector<uint8_t>{StateDifficulty, StateCarChoice}));
    menu.Click(10.0, -7.5);  // the right arrow
    EXPECT_EQ(menu.selection, 2);
    EXPECT_EQ(SelectedCar, 1);
}

TEST_F(SelectShipMenuTest, TheSlidingPanelTakesNoPointer) {
    for (int i = 0; i < 50; ++i) menu.Update();
    const test_support::Picture rest = Shoot("car-choice-rest");
    menu.slideOffset = 25;
    menu.Update();
    for (const TMeshFlatButton& button : menu.buttons) EXPECT_FALSE(button.enabled);
    menu.Click(10.0, -7.5);
    EXPECT_EQ(SelectedCar, 1);
    EXPECT_EQ(menu.selection, 1);
    const test_support::Picture halfWay = Shoot("car-choice-half-way");
    menu.HideAll();
    ExpectPanelSlid(rest, halfWay, Shoot("car-choice-background"), -3.5, -0.7);
}

}  // namespace
