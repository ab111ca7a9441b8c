// The main menu's slides and transitions at their edges: long frames, a second OpenScreen
// while one runs, and the column's slide-out that starts the race.
#include "menus/main_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/frame_timer.h"

namespace {

class MainMenuTest : public ::testing::Test {
protected:
    std::vector<std::string> log;
    ScreenTable screens;
    bool startRace = false;
    bool exiting = false;
    int gamesStarted = 0;
    TMainMenu menu{screens, TMainMenu::Hooks{[this] { return exiting; }, [this] { return startRace; },
                                             [this] {
                                                 ++gamesStarted;
                                                 startRace = false;
                                                 AppState = StateRace;
                                             },
                                             nullptr, [this](const std::string& link) { log.push_back(link); }}};

    void SetUp() override {
        for (AppStateValue state : {StateRecords, StateHelp, StateDifficulty}) {
            ScreenRow row;
            row.name = std::to_string(state);
            row.states = {state};
            row.slide = [this, state](long double offset) {
                log.push_back("slide " + std::to_string(state) + " " + std::to_string(static_cast<int>(offset)));
            };
            row.enter = [this, state] { log.push_back("enter " + std::to_string(state)); };
            screens.Add(std::move(row));
        }
        menu.Init();
        menu.ShowButtons();
        menu.ParkButtons();
        AppState = StateMainMenu;
        FrameScale = 1000;  // one long frame brings every button to rest
        menu.Update();
        FrameScale = 1;
        log.clear();
    }
};

TEST_F(MainMenuTest, ALongFrameLeavesTheButtonsExactlyAtRestAndEnabled) {
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(menu.buttons[i].highlight.x, -9.5) << "button " << i + 1;
        EXPECT_DOUBLE_EQ(menu.buttons[i].base.x, -9.5);
        EXPECT_TRUE(menu.buttons[i].enabled);
    }
    EXPECT_DOUBLE_EQ(menu.buttons[6].highlight.x, -11.0);
    EXPECT_DOUBLE_EQ(menu.buttons[7].highlight.x, -11.0);
    menu.Update();
    EXPECT_FALSE(menu.ButtonsMoving());
}

TEST_F(MainMenuTest, SwitchingScreensTakesTwoLegsEvenAtLongFramesAndIgnoresASecondOpen) {
    menu.OpenScreen(StateRecords);
    EXPECT_TRUE(menu.Transitioning());
    menu.Update();  // 49 -> 48: the records slide in
    EXPECT_EQ(log.back(), "slide 12 48");
    menu.OpenScreen(StateHelp);  // ignored while a transition runs
    FrameScale = 200;
    menu.Update();
    EXPECT_EQ(AppState, StateRecords);
    EXPECT_EQ(log, (std::vector<std::string>{"slide 12 48", "enter 12"}));

    log.clear();
    menu.OpenScreen(StateHelp);  // from a sub-screen: the records leave, then help comes
    menu.Update();
    EXPECT_EQ(AppState, StateRecords) << "the records have left but help is still to come";
    menu.Update();
    EXPECT_EQ(AppState, StateHelp);
    // However long the frame, the records are put fully away before help comes in.
    EXPECT_EQ(log, (std::vector<std::string>{"slide 12 50", "slide 8 49", "enter 8"}));

    log.clear();
    menu.OpenScreen(StateHelp);  // the open screen's own button closes it
    FrameScale = 1;
    for (int i = 0; i < 48; ++i) menu.Update();
    EXPECT_EQ(AppState, StateHelp);
    menu.Update();
    EXPECT_EQ(AppState, StateMainMenu);
    EXPECT_FALSE(menu.Transitioning());
    EXPECT_EQ(log.back(), "slide 8 50");
}

TEST_F(MainMenuTest, TheRaceStartsOnceWhenTheTopButtonIsOutAndTheColumnIsParkedForTheReturn) {
    AppState = StateDifficulty;
    menu.transition = 0;
    startRace = true;
    menu.OpenScreen(StateDifficulty);
    FrameScale = 60;
    menu.Update();  // the difficulty screen has left: the column starts out
    EXPECT_DOUBLE_EQ(menu.slideSpeed, -0.4);
    EXPECT_EQ(gamesStarted, 0);
    FrameScale = 1;
    int frames = 0;
    bool topSeenMoving = false;
    while (gamesStarted == 0 && frames < 1000) {
        menu.Update();
        ++frames;
        if (!topSeenMoving && menu.buttons[0].highlight.x < -9.51) {
            topSeenMoving = true;
            EXPECT_LT(menu.buttons[5].highlight.x, -35) << "the bottom button leaves first";
        }
    }
    EXPECT_EQ(gamesStarted, 1);
    // 1.3 s of delay for the top button (100 ticks), then 12 units at 0.4 a tick.
    EXPECT_NEAR(frames, 131, 2);
    EXPECT_EQ(AppState, StateRace);
    EXPECT_DOUBLE_EQ(menu.buttons[0].highlight.x, -13.4 - 6);
    EXPECT_FALSE(menu.buttons[0].enabled);
    EXPECT_DOUBLE_EQ(menu.slideSpeed, 0.4);
}

TEST_F(MainMenuTest, LinkButtonsOpenTheSiteTheSubscriptionAndTheMail) {
    menu.Click(-10, 0.5);  // MMStart
    EXPECT_EQ(menu.pendingState, StateCarChoice);
    menu.Click(-10, -6.2);  // MMMoreGames
    menu.Click(-10, 6.0);   // MMSubscribe
    menu.Click(-10, 3.5);   // MMTell
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].rfind("https://", 0), 0u);
    EXPECT_EQ(log[1], log[0] + "/subscribe");
    EXPECT_EQ(log[2].rfind("mailto:", 0), 0u);
    EXPECT_NE(log[2].find("%20The%20Best%20Free%20Games%20%E2%80%93%20Try%20it%20now!"), std::string::npos);
    EXPECT_EQ(menu.selection, 7);
}

}  // namespace
