// The difficulty choice: moves between the rows, what Enter and a click store, the race start,
// and the panel sliding with its buttons off.
#include "menus/start_game_menu.h"

#include "core/app_state.h"
#include "core/race_choices.h"
#include "side_panel_fixture.h"

namespace {

enum : int { kEsc = 1, kEnter = 28, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

class StartGameMenuTest : public SidePanelTest {
protected:
    std::vector<uint8_t> opened;
    TStartGameMenu menu{{[this](uint8_t target) { opened.push_back(target); }}};

    void SetUp() override {
        SidePanelTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        menu.Init();
        AppState = StateDifficulty;
        menu.Enter();
        menu.Update();
    }
    uint8_t From(uint8_t selection, int key) {
        menu.selection = selection;
        menu.HandleKey(key);
        return menu.selection;
    }
};

TEST_F(StartGameMenuTest, UpFromTheBottomRowGoesToHardAndDownFromHardToRace) {
    EXPECT_EQ(From(4, kUp), 3);
    EXPECT_EQ(From(5, kUp), 3);
    EXPECT_EQ(From(3, kDown), 5) << "never to Back";
    EXPECT_EQ(From(3, kUp), 2);
    EXPECT_EQ(From(4, kDown), 4);
    EXPECT_EQ(From(4, kRight), 5);
    EXPECT_EQ(From(5, kLeft), 4);
    EXPECT_TRUE(opened.empty());
}

TEST_F(StartGameMenuTest, EnterStoresTheDifficultyAndMovesToRaceAClickStaysOnTheButton) {
    From(2, kEnter);
    EXPECT_EQ(CurrentDifficulty, 1);
    EXPECT_EQ(menu.selection, 5);
    menu.Click(6.5, -3.5);  // Hard
    EXPECT_EQ(CurrentDifficulty, 2);
    EXPECT_EQ(menu.selection, 3);
    menu.Click(12.49, 2.5);  // Easy, just inside its right edge
    EXPECT_EQ(CurrentDifficulty, 0);
    EXPECT_EQ(menu.selection, 1);
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(menu.startRace);

    menu.Update();
    EXPECT_TRUE(Shown(menu.images[2]));
    EXPECT_FALSE(Shown(menu.images[3]) || Shown(menu.images[4]));
    CurrentDifficulty = 7;  // out of range: no marker rather than a stray one
    menu.Update();
    EXPECT_FALSE(Shown(menu.images[2]) || Shown(menu.images[3]) || Shown(menu.images[4]));
}

TEST_F(StartGameMenuTest, RaceStartsOnlyFromThePanelAtRest) {
    From(5, kEnter);
    EXPECT_EQ(opened, std::vector<uint8_t>{StateDifficulty});
    EXPECT_TRUE(menu.startRace);

    // Esc slides the panel toward the main menu; an Enter on its way must not start a race.
    menu.startRace = false;
    opened.clear();
    From(5, kEsc);
    menu.slideOffset = 2;
    From(5, kEnter);
    EXPECT_EQ(opened, std::vector<uint8_t>{StateDifficulty});
    EXPECT_FALSE(menu.startRace);

    menu.slideOffset = 0;
    From(4, kEnter);
    EXPECT_EQ(opened.back(), StateCarChoice);
    AppState = StateCarChoice;
    From(5, kEnter);
    EXPECT_EQ(opened.size(), 2u) << "keys of another state are not this screen's";
}

TEST_F(StartGameMenuTest, TheSlidingPanelTakesNoPointerAndItsOutlinesStay) {
    for (int i = 0; i < 50; ++i) menu.Update();
    const test_support::Picture rest = Shoot("difficulty-rest");
    menu.slideOffset = 25;
    menu.Update();
    for (const TMeshFlatButton& button : menu.buttons) EXPECT_FALSE(button.enabled);
    EXPECT_DOUBLE_EQ(menu.buttons[0].base.x, 16.5);
    menu.Hover(6.5, 2.5);
    menu.Click(6.5, 2.5);
    EXPECT_EQ(menu.selection, 5);
    EXPECT_EQ(CurrentDifficulty, 0);
    const test_support::Picture halfWay = Shoot("difficulty-half-way");
    menu.HideAll();
    ExpectPanelSlid(rest, halfWay, Shoot("difficulty-background"), -3.5, -0.7);

    menu.slideOffset = 0;
    menu.Update();
    EXPECT_TRUE(Shown(menu.images[0])) << "a hidden panel in place shows itself again";
    menu.Hover(6.5, 2.5);  // the outline never moved
    EXPECT_EQ(menu.selection, 1);
}

}  // namespace
