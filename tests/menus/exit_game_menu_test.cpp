// The in-race panel's input tables: keys by state, the buttons of "Exit To Menu?", and the
// fixed click areas of the send and retry questions.
#include "menus/exit_game_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_state.h"

namespace {

enum : int { kEsc = 1, kEnter = 28, kLeft = 203, kDown = 208 };
using Calls = std::vector<std::string>;

class ExitGameMenuTest : public ::testing::Test {
protected:
    Calls calls;  // the hooks in the order they were called
    bool qualifies = false;
    TExitGameMenu menu{TExitGameMenu::Hooks{
        [this] { calls.push_back("stop sounds"); }, [this] { calls.push_back("reset physics"); },
        [this] { calls.push_back("game music"); }, [this] { calls.push_back("hide game over"); },
        [this] {
            if (qualifies) AppState = StateNameEntry;
            return qualifies;
        },
        [this] { calls.push_back("leave race"); },
        [this] {
            calls.push_back("send");
            AppState = StateSending;
        },
        [this](uint8_t target) { calls.push_back("open " + std::to_string(target)); }}};

    // The panel opened in `state`, as the dispatch opens it (No selected).
    void OpenIn(uint8_t state) {
        AppState = state;
        menu.Init();
        menu.Open();
        EXPECT_EQ(menu.selection, 2);
        calls.clear();
    }
    bool Shown() const { return menu.buttons[0].enabled && menu.buttons[1].enabled; }
};

TEST_F(ExitGameMenuTest, ExitToMenuResumesOnNoAndEscapeAndEndsTheRaceOnYes) {
    for (const int key : {kEnter, kEsc}) {
        OpenIn(StateRaceExitConfirm);
        menu.HandleKey(key);
        EXPECT_EQ(AppState, StateRace);
        EXPECT_FALSE(Shown());
        EXPECT_EQ(calls, (Calls{"reset physics", "game music"}));
    }
    // Clicks answer on the buttons' outlines, never on their edges: No is (0.9, 6.2) x (-3.3, -2.1).
    OpenIn(StateRaceExitConfirm);
    menu.Click(6.1, -2.2);
    EXPECT_EQ(AppState, StateRace);
    OpenIn(StateRaceExitConfirm);
    menu.Click(-0.1, -2.7);
    EXPECT_EQ(AppState, StateRaceExitConfirm);
    menu.Click(-5.2, -3.2);
    EXPECT_EQ(AppState, StateMainMenu);
    EXPECT_EQ(calls, (Calls{"hide game over", "leave race"}));

    // A score that makes a table opens the name entry instead.
    qualifies = true;
    OpenIn(StateRaceExitConfirm);
    menu.HandleKey(kLeft);
    menu.HandleKey(kEnter);
    EXPECT_EQ(AppState, StateNameEntry);
    EXPECT_EQ(calls, (Calls{"hide game over"}));
    EXPECT_FALSE(Shown());
}

TEST_F(ExitGameMenuTest, SendAndRetryQuestionsAnswerKeysAndOnlyTheFixedClickAreas) {
    for (const uint8_t state : {StateSendResultAsk, StateSendFailed}) {
        SCOPED_TRACE(static_cast<int>(state));
        // On or just past each bound nothing happens, though some points light a button.
        const double outside[][2] = {{-3.5, -3.0}, {0.24, -3.0}, {-1.0, -2.4}, {-1.0, -3.8}, {1.0, -3.0},
                                     {4.88, -3.0}, {3.0, -2.4},  {3.0, -3.8},  {-5.0, -2.7}};
        for (const auto& point : outside) {
            OpenIn(state);
            menu.Hover(point[0], point[1]);
            menu.Click(point[0], point[1]);
            EXPECT_EQ(AppState, state) << point[0] << ", " << point[1];
            EXPECT_TRUE(calls.empty()) << point[0] << ", " << point[1];
        }
        EXPECT_EQ(menu.selection, 1) << "the Yes picture lights outside its click area";

        const struct {
            double x, y;
            Calls calls;
        } inside[] = {{-3.49, -3.79, {"send"}}, {0.239, -2.41, {"send"}}, {1.01, -3.0, {"open 12"}},
                      {4.87, -2.41, {"open 12"}}};
        for (const auto& point : inside) {
            OpenIn(state);
            menu.Click(point.x, point.y);
            EXPECT_EQ(calls, point.calls) << point.x << ", " << point.y;
        }
        EXPECT_EQ(AppState, StateMainMenu);
        EXPECT_FALSE(Shown());

        // Keys: No (preselected) leaves for the tables, Yes sends, Escape leaves without them.
        OpenIn(state);
        menu.HandleKey(kEnter);
        EXPECT_EQ(calls, (Calls{"open 12"}));
        OpenIn(state);
        menu.HandleKey(kDown);
        menu.HandleKey(kEnter);
        EXPECT_EQ(AppState, StateSending);
        EXPECT_TRUE(Shown()) << "the panel stays while it waits";
        OpenIn(state);
        menu.HandleKey(kEsc);
        EXPECT_EQ(AppState, StateMainMenu);
        EXPECT_TRUE(calls.empty());
    }

    // While the score is sent nothing answers.
    OpenIn(StateSending);
    menu.HandleKey(kEnter);
    menu.HandleKey(kEsc);
    menu.Click(-1.0, -3.0);
    EXPECT_EQ(AppState, StateSending);
    EXPECT_TRUE(calls.empty());
}

}  // namespace
