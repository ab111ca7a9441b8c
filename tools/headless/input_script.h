// The runner's input script: what to press, move, click and photograph at which frame.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

struct ScriptAction {
    enum class Kind { KeyDown, KeyUp, Mouse, Click, Shot, PadAttach, PadDetach, PadButton, PadAxis, Sample,
                      WindowSize, WindowMinimise, WindowFocus };
    Kind kind = Kind::Shot;
    int key = 0;            // engine key code (classic scan code); SDL's pad button or axis number
    double x = 0, y = 0;    // menu units: x -16..16 left to right, y 12..-12 top to bottom;
                            // x: a pad axis's value -1..1, a pad button's 1 down, 0 up;
                            // a window's client width and height in pixels; how long a
                            // minimised window stays down, in ms; focus 1 gained, 0 lost
    std::string name;       // shot name
};

// Actions by frame number (frames count from 1, the first drawn frame).
using InputScript = std::map<int, std::vector<ScriptAction>>;

// Lines: "<frame> key <code> down|up", "<frame> mouse <x> <y>", "<frame> click",
// "<frame> shot <name>", "<frame> sample" (live engine objects and
// resident memory), "<frame> pad attach|detach" (the runner's virtual game pad is
// plugged in or pulled out), "<frame> pad <button> down|up" and "<frame> pad <axis>
// <value>" with SDL's names (a, b, x, y, back, start, dpup, dpdown, dpleft, dpright, ...;
// leftx, lefty, lefttrigger, righttrigger, ...) and values -1..1, "<frame> window <width>
// <height>" (the window resized, as a tiling window manager may do to any window),
// "<frame> window minimise <ms>" (minimised, restored that many real ms later) and
// "<frame> window focus|blur" (the window gains or loses the keyboard focus); '#' starts a comment. Returns nothing and a message naming
// the line on a malformed line.
std::optional<InputScript> ParseInputScript(const std::string& text, std::string& error);
