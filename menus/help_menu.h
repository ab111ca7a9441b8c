// The help pages beside the main menu: four pictures of instructions, turned one at a time
// by a previous and a next button, with wrap-around.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"

class THelpMenu {
public:
    // What the screen needs from outside; set once, before Init.
    struct Hooks {
        std::function<void(uint8_t target)> openScreen;  // the main menu's OpenScreen
    };

    static constexpr uint8_t kPages = 4;

    uint8_t selection = 1;  // 1 "HelpPrev", 2 "HelpNext"
    uint8_t page = 1;       // 1..4, kept while the screen is away
    std::array<TMeshFlatImage, 6> images;    // images[i - 1] is image i: frame, title, pages 1..4
    std::array<TMeshFlatButton, 2> buttons;  // buttons[i - 1] is button i
    long double slideOffset = 50;  // written by the main menu's transition: 0 at rest, 50 away

    explicit THelpMenu(Hooks hooks);

    // First start only: selection 1, page 1, away; Build.
    void Init();
    // (Re)makes every engine object ("data\Forms.dat", "data\Over1.png" .. "data\Over4.png"),
    // sized, outlined, named, placed by the current slide offset and shown.
    void Build();
    void ShowAll();
    // Hides every button and image; the next Update that finds the panel on its way in or
    // in place shows them again (after the display was re-created).
    void HideAll();
    // The main menu's slide-in has completed: at rest, "HelpPrev" selected.
    void Enter();
    // One page back (1 wraps to 4) or forward (4 wraps to 1).
    void TurnPage(bool back);
    // Every frame in the menu states: enabling, highlights, the current page, places.
    void Update();

    // AppState 8: the first clicked key of Esc, Enter, Left and Right goes to HandleKey.
    void KeyStep();
    // One key in AppState 8 (ClickSound first for every key it knows).
    void HandleKey(int code);
    // The pointer at (x, y), menu units, in AppState 8.
    void Hover(double x, double y);
    void Click(double x, double y);

private:
    void OpenScreen(uint8_t target);

    Hooks hooks_;
    bool hidden_ = false;
};
