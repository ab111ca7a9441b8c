// The name entry after a game whose score enters the current difficulty's high-score
// table: the player's name, a second field (the country), OK and Cancel, over the race scene.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "menus/sprite_flat_button.h"
#include "menus/sprite_flat_image.h"

class TRecordInputMenu {
public:
    // What the screen needs from its owner; set once, before Init.
    struct Hooks {
        std::function<int32_t()> getScore;           // the race's GetScore
        std::function<int()> currentDifficulty;      // CurrentDifficulty, 0..2
        std::function<void()> showSendResultQuestion;  // the in-race dialog's send-result question
        // Plays HoverSound at the settings' volume when not set.
        std::function<void()> playHoverSound;
    };

    static constexpr size_t kTextCapacity = 10;

    uint8_t selection = 1;  // 1 name field, 2 country field, 3 OK, 4 Cancel
    double lastBlink = 0;   // iSystemTimer() at the last toggle of the text cursor, seconds
    double blinkPeriod = 0.5;
    bool blinkOn = true;     // the text cursor "I" is drawn behind the field being typed
    std::string countryText;  // at most 10 characters; refilled from lastCountry at each opening
    std::string nameText;     // at most 10 characters; kept from game to game
    TSpriteFlatImage background;
    std::array<TSpriteFlatButton, 4> buttons;  // buttons[i - 1] is button i

    explicit TRecordInputMenu(Hooks hooks);

    // Build, then selection 1, blink period 0.5, cursor on, lastBlink 0. Once, at first start.
    void Init();
    // Makes the engine objects from "data\Forms.dat": at first start and after the display
    // was re-created. The widgets are placed and outlined but stay hidden.
    void Build();
    void Show();  // enables the four buttons and shows everything
    void Hide();  // hides everything and disables the buttons

    // The rank (1..10) the last Qualify found, 0 when none.
    int InsertRank() const { return insertRank_; }

    // The race's end: finds the best rank of the current difficulty's table whose score
    // is strictly lower than `score`. False when there is none (the caller returns to
    // the main menu); otherwise AppState 19, the country field from lastCountry, Show.
    bool Qualify(int32_t score);
    // OK: enters the name at the insert rank with the race score, lastCountry = the second
    // field (the settings file is not written), records.dat rewritten; AppState 24, Hide,
    // the send-result question.
    void Confirm();
    // Cancel: Hide, then ReturnToMenu. Nothing is stored.
    void Cancel();

    // Up (true) or down through 1..4, held at the ends; AppState follows the selection:
    // 20 on the name field, 21 on the country field, 19 on the buttons.
    void MoveSelection(bool up);

    // The keys of AppState 19, 20 and 21 this frame: the lowest clicked code goes to HandleKey.
    void KeyStep();
    // One key in the current AppState (see the key table of the screen); shiftHeld is
    // whether a Shift key is held.
    void HandleKey(int code, bool shiftHeld);
    // Typing into the field of AppState 20 (name) or 21 (country): letters up to 10
    // characters, upper case with Shift; Backspace; Enter moves on.
    void Type(int code, bool shiftHeld);

    // The pointer at (x, y), menu units, in AppState 19, 20, 21 (for the pointer dispatch).
    void Hover(double x, double y);
    void Click(double x, double y);

    // Every frame in AppState 19, 20, 21: highlights, texts and the text cursor's blink.
    void Update();

    // Where "Your score is ..." starts for a score.
    static double ScoreLineX(int32_t score);

private:
    void PlayHover();
    int32_t Score() const;
    int Difficulty() const;
    void PrintField(const std::string& text, double y, bool typing, bool selected);

    Hooks hooks_;
    int insertRank_ = 0;
};
