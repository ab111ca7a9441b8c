// Feeds scripted input to the game as real SDL events, through the same pump as a player's.
#pragma once

#include "input_script.h"
#include "virtual_pad.h"

class InputInjector {
public:
    // Pushes the event of one action onto SDL's queue for the game's window; pad actions
    // go to the virtual pad, whose events SDL makes itself.
    void Push(const ScriptAction& action);
    VirtualPad& Pad() { return pad_; }

private:
    VirtualPad pad_;
    bool leftDown_ = false;
    int mouseX_ = 0, mouseY_ = 0;  // window client pixels of the last move
};

// The SDL scancode of an engine key code (classic PC scan code); 0 when unknown.
int SdlScancodeOf(int engineKeyCode);
