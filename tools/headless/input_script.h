// The runner's input script: what to press, move, click and photograph at which frame.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

struct ScriptAction {
    enum class Kind { KeyDown, KeyUp, Mouse, Click, Shot, Sample };
    Kind kind = Kind::Shot;
    int key = 0;            // engine key code (classic scan code)
    double x = 0, y = 0;    // menu units: x -16..16 left to right, y 12..-12 top to bottom
    std::string name;       // shot name
};

// Actions by frame number (frames count from 1, the first drawn frame).
using InputScript = std::map<int, std::vector<ScriptAction>>;

// Lines: "<frame> key <code> down|up", "<frame> mouse <x> <y>", "<frame> click",
// "<frame> shot <name>", "<frame> sample" (live engine objects and resident memory); '#' starts a comment. Returns nothing and a message naming
// the line on a malformed line.
std::optional<InputScript> ParseInputScript(const std::string& text, std::string& error);
