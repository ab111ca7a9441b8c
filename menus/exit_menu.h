// The Yes/No panel over the menus: "Exit The Game?" and the question before the high-score
// tables are cleared.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"

class TExitMenu {
public:
    struct Hooks {
        std::function<void(uint8_t)> openScreen;  // the main menu's OpenScreen
        std::function<void()> slideOutColumn;     // the main menu's column slide-out
        std::function<void()> showRecords;        // the high-score screen shows its widgets again
    };

    uint8_t selection = 1;      // 1 Yes, 2 No
    bool exiting = false;       // the player confirmed leaving; never cleared
    TMeshFlatImage panel;
    std::array<TMeshFlatButton, 2> buttons;  // "ExitYes", "ExitNo"
    uint8_t returnState = 0;    // the AppState the question was opened from

    explicit TExitMenu(Hooks hooks);

    // First start: Build, selection 1, not exiting.
    void Init();
    // The panel and both buttons, built and outlined but not shown.
    void Build();
    // A later init phase: Build, and the question shown again when it was open.
    void Rebuild();
    // Shows the panel with both buttons enabled and No selected. The opener stores
    // returnState and sets AppState 11 or 13 itself (see Ask).
    void Open();
    void Close();
    // Open, remember the current AppState, then AppState = `question` (11 or 13).
    void Ask(uint8_t question);
    void Toggle();
    // Pointer No: back where the question was opened.
    void Back();
    // Pointer Yes on "Exit The Game?": the open screen leaves through the main menu, then the column.
    void ConfirmExit();
    // Yes on the clearing question: the tables cleared and written, then Back.
    void ClearRecords();

    // Every frame in AppState 11 and 13: highlights and the question's lines.
    void Update();
    void KeyStep();
    void Hover(double x, double y);
    void Click(double x, double y);

private:
    Hooks hooks_;
};
