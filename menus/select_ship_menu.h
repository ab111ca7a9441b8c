// The car choice beside the main menu: a picture of the chosen car, arrows that cycle the
// five cars, and OK, which leads on to the difficulty choice.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"

class TSelectShipMenu {
public:
    // What the screen needs from outside; set once, before Init.
    struct Hooks {
        std::function<void(uint8_t target)> openScreen;  // the main menu's OpenScreen
    };

    uint8_t selection = 2;  // 1 OK, 2 right arrow, 3 left arrow
    std::array<TMeshFlatImage, 7> images;    // images[i - 1] is image i: panel, title, cars 1..5
    std::array<TMeshFlatButton, 3> buttons;  // buttons[i - 1] is button i
    long double slideOffset = 50;  // written by the main menu's transition: 0 at rest, 50 away

    explicit TSelectShipMenu(Hooks hooks);

    // First start only: selection 2, away, Build, then SelectedCar 1.
    void Init();
    // (Re)makes every engine object from "data\Forms.dat" and "data\StartGame.dat", sized,
    // outlined, named, placed by the current slide offset and shown.
    void Build();
    void ShowAll();
    // Hides every button and image; the next Update that finds the panel on its way in or
    // in place shows them again (after the display was re-created).
    void HideAll();
    // The main menu's slide-in has completed: at rest, OK selected.
    void Enter();
    // SelectedCar one up (5 wraps to 1) or down (1 wraps to 5).
    void CycleCar(bool up);
    // Every frame in the menu states: enabling, highlights, the picture of SelectedCar, places.
    void Update();

    // AppState 36: the first clicked key of Esc, Enter, Left and Right goes to HandleKey.
    void KeyStep();
    // One key in AppState 36 (ClickSound first for every key it knows).
    void HandleKey(int code);
    // The pointer at (x, y), menu units, in AppState 36.
    void Hover(double x, double y);
    void Click(double x, double y);

private:
    void Activate(uint8_t index);
    void OpenScreen(uint8_t target);

    Hooks hooks_;
    bool hidden_ = false;
};
