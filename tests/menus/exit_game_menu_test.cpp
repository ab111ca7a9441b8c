// The in-race panel's input tables: keys by state, the buttons of "Exit To Menu?", and the
// fixed click areas of the send and retry questions.
#include "menus/exit_game_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_state.h"

namespace {

enum : int { kEsc = 1, kEnter = 28, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

class ExitGameMenuTest : public ::testing::Test {
protected:
    std::vector<std::string> calls;  // the hooks in the order they were called
    bool qualifies = false;
    TExitGameMenu menu{TExitGameMenu::Hooks{
        [this] { calls.push_back("stop sounds"); },
        [this] { calls.push_back("reset physics"); },
        [this] { calls.push_back("game music"); },
        [this] { calls.push_back("hide game over"); },
        [this] {
            calls.push_back("name entry?");
            if (qualifies) AppState = StateNameEntry;
            return qualifies;
        },
        [this] { calls.push_back("leave race"); },
        [this] {
            calls.push_back("send");
            AppState = StateSending;
        },
        [this](uint8_t target) { calls.push_back("open " + std::to_string(target)); },
    }};

    void SetUp() override { menu.Init(); }

    // The panel opened in `state`, as the dispatch opens it.
    void OpenIn(uint8_t state) {
        AppState = state;
        menu.Open();
        calls.clear();
    }
    bool PanelShown() const { return menu.buttons[0].enabled && menu.buttons[1].enabled; }
};

TEST_F(ExitGameMenuTest, EscapeThenEnterResumesTheRaceBecauseOpenSelectsNo) {
    AppState = StateRaceExitConfirm;
    menu.Open();
    EXPECT_EQ(menu.selection, 2);
    ASSERT_TRUE(PanelShown());
    menu.HandleKey(kEnter);
    EXPECT_EQ(AppState, StateRace);
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(calls, (std::vector<std::string>{"stop sounds", "reset physics", "game music"}));

    // Escape answers No as well; every arrow toggles.
    OpenIn(StateRaceExitConfirm);
    for (const int arrow : {kUp, kDown, kLeft, kRight}) {
        const uint8_t before = menu.selection;
        menu.HandleKey(arrow);
        EXPECT_NE(menu.selection, before) << arrow;
    }
    menu.HandleKey(kEsc);
    EXPECT_EQ(AppState, StateRace);
}

TEST_F(ExitGameMenuTest, YesOnExitToMenuEndsTheRaceIntoTheNameEntryOrTheMainMenu) {
    OpenIn(StateRaceExitConfirm);
    menu.HandleKey(kLeft);
    menu.HandleKey(kEnter);
    EXPECT_EQ(AppState, StateMainMenu);
    EXPECT_EQ(calls, (std::vector<std::string>{"hide game over", "name entry?", "leave race"}));
    EXPECT_FALSE(PanelShown());

    qualifies = true;
    OpenIn(StateRaceExitConfirm);
    menu.selection = 1;
    menu.HandleKey(kEnter);
    EXPECT_EQ(AppState, StateNameEntry);
    EXPECT_EQ(calls, (std::vector<std::string>{"hide game over", "name entry?"}));
    EXPECT_FALSE(PanelShown());
}

TEST_F(ExitGameMenuTest, ExitToMenuAnswersClicksOnTheButtonsOutlines) {
    // The No button's outline is (0.9, 6.2) x (-3.3, -2.1): inside, the race goes on.
    OpenIn(StateRaceExitConfirm);
    menu.Click(6.1, -2.2);
    EXPECT_EQ(AppState, StateRace);
    EXPECT_EQ(menu.selection, 2);

    // Yes at its outline's far corner ends the race; on the edge itself nothing happens.
    OpenIn(StateRaceExitConfirm);
    menu.Click(-0.1, -2.7);
    EXPECT_EQ(AppState, StateRaceExitConfirm);
    menu.Click(-5.2, -3.2);
    EXPECT_EQ(AppState, StateMainMenu);
    EXPECT_EQ(menu.selection, 1);
}

TEST_F(ExitGameMenuTest, SendAndRetryQuestionsTakeClicksOnlyInsideTheFixedAreas) {
    for (const uint8_t state : {StateSendResultAsk, StateSendFailed}) {
        SCOPED_TRACE(static_cast<int>(state));
        // Points on or just past each bound of both areas do nothing, though some lie on
        // a button's picture and light it.
        const double outside[][2] = {{-3.5, -3.0},  {0.24, -3.0}, {-1.0, -2.4}, {-1.0, -3.8},
                                     {1.0, -3.0},   {4.88, -3.0}, {3.0, -2.4},  {3.0, -3.8},
                                     {-5.0, -2.7},  {5.5, -2.7}};
        for (const auto& point : outside) {
            OpenIn(state);
            menu.Hover(point[0], point[1]);
            menu.Click(point[0], point[1]);
            EXPECT_EQ(AppState, state) << point[0] << ", " << point[1];
            EXPECT_TRUE(calls.empty()) << point[0] << ", " << point[1];
        }
        OpenIn(state);
        menu.Hover(-5.0, -2.7);
        EXPECT_EQ(menu.selection, 1) << "the Yes picture lights under the pointer";

        // Just inside the send area: a new submission, whatever is selected.
        OpenIn(state);
        menu.Click(-3.49, -3.79);
        EXPECT_EQ(calls, (std::vector<std::string>{"send"}));
        OpenIn(state);
        menu.Click(0.239, -2.41);
        EXPECT_EQ(calls, (std::vector<std::string>{"send"}));

        // Just inside the leave area: the main menu, then the high-score tables.
        OpenIn(state);
        menu.Click(1.01, -3.0);
        EXPECT_EQ(AppState, StateMainMenu);
        EXPECT_EQ(calls, (std::vector<std::string>{"open 12"}));
        EXPECT_FALSE(PanelShown());
        OpenIn(state);
        menu.Click(4.87, -3.0);
        EXPECT_EQ(calls, (std::vector<std::string>{"open 12"}));
    }
}

TEST_F(ExitGameMenuTest, SendAndRetryQuestionsByKeys) {
    for (const uint8_t state : {StateSendResultAsk, StateSendFailed}) {
        SCOPED_TRACE(static_cast<int>(state));
        // No (preselected): the main menu and the high-score tables.
        OpenIn(state);
        menu.HandleKey(kEnter);
        EXPECT_EQ(AppState, StateMainMenu);
        EXPECT_EQ(calls, (std::vector<std::string>{"open 12"}));

        // An arrow to Yes, Enter: the score goes out.
        OpenIn(state);
        menu.HandleKey(kDown);
        menu.HandleKey(kEnter);
        EXPECT_EQ(AppState, StateSending);
        EXPECT_EQ(calls, (std::vector<std::string>{"send"}));
        EXPECT_TRUE(PanelShown()) << "the panel stays while it waits";

        // Escape: the main menu, without the tables.
        OpenIn(state);
        menu.HandleKey(kEsc);
        EXPECT_EQ(AppState, StateMainMenu);
        EXPECT_TRUE(calls.empty());
        EXPECT_FALSE(PanelShown());
    }

    // While the score is sent nothing answers.
    OpenIn(StateSending);
    for (const int code : {kEnter, kEsc, kLeft}) menu.HandleKey(code);
    menu.Click(-1.0, -3.0);
    EXPECT_EQ(AppState, StateSending);
    EXPECT_TRUE(calls.empty());
}

}  // namespace
