// The difficulty choice beside the main menu: Easy, Medium, Hard, Back to the car choice and
// Race, which starts the game once the panel and the main menu have slid away.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"

class TStartGameMenu {
public:
    // What the screen needs from outside; set once, before Init.
    struct Hooks {
        std::function<void(uint8_t target)> openScreen;  // the main menu's OpenScreen
    };

    uint8_t selection = 1;  // 1 Easy, 2 Medium, 3 Hard, 4 Back, 5 Race
    std::array<TMeshFlatImage, 5> images;    // images[i - 1] is image i: panel, title, three markers
    std::array<TMeshFlatButton, 5> buttons;  // buttons[i - 1] is button i
    long double slideOffset = 50;  // written by the main menu's transition: 0 at rest, 50 away
    // Set by Race; the main menu starts the game when the panel has left, and clears it.
    bool startRace = false;

    explicit TStartGameMenu(Hooks hooks);

    // First start only: no race pending, selection 1, CurrentDifficulty Easy, away; Build.
    void Init();
    // (Re)makes every engine object from "data\Forms.dat" and "data\StartGame.dat", sized,
    // outlined, named, placed by the current slide offset and shown.
    void Build();
    void ShowAll();
    // Hides every button and image; the next Update that finds the panel on its way in or
    // in place shows them again (after the display was re-created).
    void HideAll();
    // The main menu's slide-in has completed: at rest, Race selected.
    void Enter();
    // Every frame in the menu states: enabling, highlights, the marker of CurrentDifficulty, places.
    void Update();

    // AppState 2: the first clicked key of Esc, Enter and the arrows goes to HandleKey.
    void KeyStep();
    // One key in AppState 2 (HoverSound first for every key it knows).
    void HandleKey(int code);
    // The pointer at (x, y), menu units, in AppState 2.
    void Hover(double x, double y);
    void Click(double x, double y);

private:
    // Easy, Medium, Hard store the difficulty; Back opens the car choice; Race slides the
    // panel away with the race pending, only from a panel at rest (a panel already leaving
    // for the main menu must not turn the way back into a race).
    void Activate(uint8_t index);
    void OpenScreen(uint8_t target);

    Hooks hooks_;
    bool hidden_ = false;
};
