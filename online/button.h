// TButton: one picture button of the closing share screen, in the screen's 800 x 600 layout pixels.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "formats/share_description.h"

using formats::LayoutRect;

class TButton {
public:
    bool hovered = false;  // the pointer is inside normalRect
    bool ready = false;    // true for link buttons; the exit button once the countdown has run out
    bool visible = true;
    EngineHandle hoverMesh = 0, normalMesh = 0, waitMesh = 0;  // 0 when the path is empty
    LayoutRect hoverRect, normalRect, waitRect;
    std::string target;  // the file to open, or "exit" for the exit button
    std::string hoverPath, normalPath, waitPath;

    bool IsExit() const { return target == "exit"; }

    // Makes a sprite mesh of each picture whose path is not empty, placed over its
    // rectangle in front of the menu camera; not hovered, visible, ready unless the exit button.
    void Build();
    // The pointer at layout pixel (px, py): hovered when inside normalRect, edges included.
    void TestPointer(int px, int py);
    // Hides the three pictures, then shows the one that fits: hover or normal while ready,
    // wait while not.
    void ShowPicture() const;
};
