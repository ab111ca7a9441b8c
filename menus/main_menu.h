// The home screen and the conductor of the menu screens beside it: the column of eight
// buttons, their slide-in and slide-out, and the two-leg transition that slides the
// sub-screens in and out.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/screen_table.h"
#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"

class TMainMenu {
public:
    struct Hooks {
        std::function<bool()> exiting;            // the exit question's `exiting` flag
        std::function<bool()> startRace;          // the difficulty screen's `startRace` flag
        // The race starts: NewGame, AppState 4 and the start-race flag cleared.
        std::function<void()> startGame;
        // Shows the exit question on No, remembering AppState, then AppState 11.
        std::function<void()> openExitQuestion;
        std::function<void(const std::string& link)> openLink;  // a link button; OpenLink when unset
    };

    // Resting x of the column buttons and of buttons 7 and 8, menu units.
    static constexpr long double kColumnRestX = -9.5L;
    static constexpr long double kCornerRestX = -11.0L;

    int32_t selection = 1;                       // 1..8
    std::array<TMeshFlatButton, 8> buttons;      // buttons[i - 1] is button i
    bool settled = true;                         // nothing moved in the last update
    std::array<long double, 6> slideDelay{};     // seconds each column button waits before sliding out
    uint8_t pendingState = 0;                    // the screen the running transition opens; 0 none
    long double transition = 50;                 // 0: the sub-screen in place .. 50: fully away (13 ms units)
    bool bringingIn = true;                      // the transition counts down (true) or up
    long double slideSpeed = 0.4L;               // menu units per 13 ms; + slides in, - slides out
    TMeshFlatImage background;

    // `screens` gives each sub-screen's slide offset and arrival; it must outlive the menu.
    TMainMenu(const ScreenTable& screens, Hooks hooks);

    // First start: selection 1, Build, all buttons enabled.
    void Init();
    // The background (shown) and the eight buttons (not placed: the update re-applies the
    // stored places). At first start and after the display is re-created.
    void Build();
    void ShowButtons();
    void HideButtons();
    // Every button hidden away to the left, disabled and unlit, ready to slide in.
    void ParkButtons();
    // The only way between the main menu and a sub-screen; choosing the open screen again
    // closes it. Ignored while a transition runs.
    void OpenScreen(uint8_t target);
    // The column slides out, bottom button first; when button 1 is out the race starts or
    // the program leaves, by the flags.
    void StartSlideOut();

    // Every frame in a menu state.
    void Update();
    // AppState 5's keys.
    void KeyStep();
    // The column's pointer rules, in every menu state but the two questions.
    void Hover(double x, double y);
    void Click(double x, double y);

    // True while a button moves: the menus then take no input.
    bool ButtonsMoving() const { return !settled; }
    // A transition runs or a screen is pending.
    bool Transitioning() const;

private:
    void Activate(int index);
    void MoveColumnButton(int index);
    void MoveCornerButton(int index);
    void StepTransition();
    void SlideScreen(uint8_t state, long double offset) const;

    const ScreenTable& screens_;
    Hooks hooks_;
};
