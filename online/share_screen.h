// TShareScreen: the closing screen shown when the player leaves, described by "wdata\config.ini":
// a background picture, picture buttons that open local files, and an exit button that
// becomes usable after a countdown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/pointer_position.h"
#include "engine/engine.h"
#include "online/button.h"

class TShareScreen {
public:
    bool usable = true;        // false when the file is missing or faulty: the program quits at once
    int32_t buttonCount = 0;   // N from the file; the last button is the exit button
    std::vector<TButton> buttons;  // in file order
    std::string backgroundPath;
    long double countdown = 0;  // seconds before the exit button may be used
    bool textSizeGiven = false;
    int32_t textSize = 0;       // countdown text size
    int32_t textX = 0, textY = 0;  // countdown text position, layout pixels
    uint32_t textColour = 0;    // red, green, blue bytes, red lowest
    EngineHandle background = 0;

    // Reads "wdata\config.ini" and, when it is sound, builds the pictures. Between
    // iTextureMipLevelsSet(1) and (0) of the init phase.
    void Load();
    // Reads a description from its text; picture paths and link targets are checked
    // against the program folder. Makes no engine objects.
    void Read(const std::string& text);

    // Every frame in AppState 37, before Update: each button tests the pointer (menu units;
    // nothing when absent). An unusable screen ends the program here.
    void Hover(const std::optional<MenuPoint>& pointer);
    // Every frame in AppState 37: clicks, pictures, the countdown and its number.
    void Update();

private:
    void Build();
};
