// The high-score tables beside the main menu: one of the three local tables at a time, tabs
// for Easy, Medium and Hard, a button that asks to clear all tables and one that opens the
// world high-score page.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/record_entry.h"
#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"

class TRecordsMenu {
public:
    // What the screen needs from outside; set once, before Init.
    struct Hooks {
        std::function<void(uint8_t target)> openScreen;  // the main menu's OpenScreen
        // The exit menu as the clearing question: shown with "No" selected, remembering the
        // current AppState (12), then AppState 13.
        std::function<void()> openClearQuestion;
        // Opens WorldScoresLink(server, table) in the browser (OpenLink).
        std::function<void()> showWorldScores;
    };

    uint8_t selection = 1;  // 1 Clear, 2 world page, 3 Easy, 4 Medium, 5 Hard
    uint8_t table = 0;      // the table shown: 0 Easy, 1 Medium, 2 Hard
    std::array<TMeshFlatImage, 4> images;    // images[i - 1] is image i: frame, three active tabs
    std::array<TMeshFlatButton, 5> buttons;  // buttons[i - 1] is button i
    long double slideOffset = 50;  // written by the main menu's transition: 0 at rest, 50 away

    explicit TRecordsMenu(Hooks hooks);

    // First start only: selection 1, the Easy table, away; Build.
    void Init();
    // (Re)makes every engine object from "data\Forms.dat", sized, outlined, named, placed by
    // the current slide offset and shown.
    void Build();
    // Shows the five buttons and the frame (the tabs follow `table` at the next Update).
    void ShowAll();
    // Hides every button and image: after the display was re-created, and when the clearing
    // question is answered No. The next Update that finds the panel on its way in or in place
    // shows them again; ShowAll does it at once.
    void HideAll();
    // The main menu's slide-in has completed: at rest, the world page button selected.
    void Enter();
    // Every frame in the menu states: enabling, highlights, places, the active tab, and while
    // AppState is 12 the ten lines of the table shown.
    void Update();

    // AppState 12: the first clicked key of Esc, Enter and the arrows goes to HandleKey.
    void KeyStep();
    // One key in AppState 12: HoverSound on the arrows, ClickSound on Esc and Enter.
    void HandleKey(int code);
    // The pointer at (x, y), menu units, in AppState 12.
    void Hover(double x, double y);
    void Click(double x, double y);

    // The world high-score page of table `table` (0..2) on the score server at `server`
    // (base address, no trailing slash).
    static std::string WorldScoresLink(const std::string& server, int table);
    // One printed line: the name right-aligned in 10 characters, a blank, the score
    // right-aligned in 6 (wider when it needs more). A name byte outside the printable
    // ASCII range (only a damaged file holds one) shows as '?', so the columns stay true.
    static std::string RecordLine(const RecordEntry& entry);

private:
    // Clear opens the clearing question, only from a panel at rest (the panel may already
    // be leaving for the main menu); the world page button opens the page; a tab shows its table.
    void Activate(uint8_t index);

    Hooks hooks_;
    bool hidden_ = false;
};
