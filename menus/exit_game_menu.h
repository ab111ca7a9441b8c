// TExitGameMenu: the small Yes/No panel over the race: "Exit To Menu?", the offer to send a
// new high score to the world tables, "Please wait..." while it is sent, and the retry question.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "menus/sprite_flat_button.h"
#include "menus/sprite_flat_image.h"

class TExitGameMenu {
public:
    // What the panel needs from the race, the name entry, the sender and the main menu; set once.
    struct Hooks {
        std::function<void()> stopRaceSounds;   // Open: the six sounds of every car and WarningSound
        std::function<void()> resetCarPhysics;  // Resume: iBodyPhysicsReset on every car's wheels and chassis
        std::function<void()> playGameMusic;    // after Resume: the current track's game music
        std::function<void()> hideGameOverSprite;
        // EndRace: true when the race score enters the current difficulty's table (the name
        // entry is then open, AppState 19); false changes nothing.
        std::function<bool()> openNameEntry;
        // EndRace without a record: ResetGame, HideRaceScene.
        std::function<void()> leaveRace;
        // Yes in 24 or 27: a new score submission (AppState 26 while it runs).
        std::function<void()> sendResult;
        std::function<void(uint8_t target)> openScreen;  // the main menu's OpenScreen
    };

    uint8_t selection = 1;  // 1 Yes, 2 No
    TSpriteFlatImage panel;
    std::array<TSpriteFlatButton, 2> buttons;  // "ExitYes", "ExitNo"

    explicit TExitGameMenu(Hooks hooks);

    // First start: Build, selection 1.
    void Init();
    // The panel and both buttons from "data\Forms.dat", placed and outlined, not shown.
    void Build();
    // After the display was re-created: Build, and the panel shown again in its states.
    void Rebuild();
    // Both buttons enabled and shown with the panel, the race's sounds stopped, No selected.
    void Open();
    void Close();
    // Yes and No swap; ClickSound.
    void Toggle();
    // Back to the race: AppState 4, Close, the world running again from rest.
    void Resume();
    // Yes on "Exit To Menu?": the name entry when the score makes a table, else the main menu.
    void EndRace();

    // Every frame in AppState 16, 24, 26 and 27: highlights and the state's lines.
    void Update();
    // The keys of AppState 16, 24 and 27 (26 takes none): the first clicked of the arrows,
    // Enter and Escape goes to HandleKey.
    void KeyStep();
    // One key in the current AppState: an arrow toggles, Enter answers, Escape backs out.
    void HandleKey(int code);
    // The pointer (menu units) in AppState 16, 24 and 27.
    void Hover(double x, double y);
    void Click(double x, double y);

private:
    void ResumeWithMusic();
    void Send();
    // No in 24 or 27: back to the main menu with this panel closed, then the high-score tables.
    void Leave();

    Hooks hooks_;
};
