// Parsing of runner scripts.
#include "input_script.h"

#include <SDL2/SDL.h>

#include <sstream>

namespace {
// The rest of a "pad" line; false when it names no control or its value is out of range.
bool ParsePad(std::istringstream& words, ScriptAction& action) {
    std::string control;
    if (!(words >> control)) return false;
    if (control == "attach" || control == "detach") {
        action.kind = control == "attach" ? ScriptAction::Kind::PadAttach : ScriptAction::Kind::PadDetach;
        return true;
    }
    if (const auto button = SDL_GameControllerGetButtonFromString(control.c_str());
        button != SDL_CONTROLLER_BUTTON_INVALID) {
        std::string direction;
        action.kind = ScriptAction::Kind::PadButton;
        action.key = button;
        if (!(words >> direction) || (direction != "down" && direction != "up")) return false;
        action.x = direction == "down" ? 1 : 0;
        return true;
    }
    const auto axis = SDL_GameControllerGetAxisFromString(control.c_str());
    action.kind = ScriptAction::Kind::PadAxis;
    action.key = axis;
    return axis != SDL_CONTROLLER_AXIS_INVALID && static_cast<bool>(words >> action.x) && action.x >= -1 &&
           action.x <= 1;
}

// The rest of a "window" line.
bool ParseWindow(std::istringstream& words, ScriptAction& action) {
    std::string first;
    if (!(words >> first)) return false;
    if (first == "focus" || first == "blur") {
        action.kind = ScriptAction::Kind::WindowFocus;
        action.x = first == "focus" ? 1 : 0;
        return true;
    }
    if (first == "minimise") {
        action.kind = ScriptAction::Kind::WindowMinimise;
        return static_cast<bool>(words >> action.x) && action.x >= 0 && action.x <= 60000;
    }
    // SDL takes client sizes from 1 up; larger than any display is refused too.
    action.kind = ScriptAction::Kind::WindowSize;
    std::istringstream width(first);
    return static_cast<bool>(width >> action.x) && width.eof() && static_cast<bool>(words >> action.y) &&
           action.x >= 1 && action.y >= 1 && action.x <= 16384 && action.y <= 16384;
}
}  // namespace

std::optional<InputScript> ParseInputScript(const std::string& text, std::string& error) {
    InputScript script;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        int frame = 0;
        std::string verb;
        if (!(words >> frame)) {
            std::string rest;
            if (std::istringstream(line) >> rest) {
                error = "line " + std::to_string(lineNumber) + ": expected a frame number";
                return std::nullopt;
            }
            continue;  // blank or comment
        }
        ScriptAction action;
        bool ok = frame >= 1 && static_cast<bool>(words >> verb);
        if (ok && verb == "key") {
            std::string direction;
            ok = static_cast<bool>(words >> action.key >> direction) && (direction == "down" || direction == "up") &&
                 action.key > 0 && action.key < 256;
            action.kind = direction == "down" ? ScriptAction::Kind::KeyDown : ScriptAction::Kind::KeyUp;
        } else if (ok && verb == "mouse") {
            action.kind = ScriptAction::Kind::Mouse;
            ok = static_cast<bool>(words >> action.x >> action.y);
        } else if (ok && verb == "click") {
            action.kind = ScriptAction::Kind::Click;
        } else if (ok && verb == "sample") {
            action.kind = ScriptAction::Kind::Sample;
        } else if (ok && verb == "pad") {
            ok = ParsePad(words, action);
        } else if (ok && verb == "window") {
            ok = ParseWindow(words, action);
        } else if (ok && verb == "shot") {
            action.kind = ScriptAction::Kind::Shot;
            ok = static_cast<bool>(words >> action.name) && action.name.find('/') == std::string::npos;
        } else {
            ok = false;
        }
        std::string extra;
        if (!ok || (words >> extra)) {
            error = "line " + std::to_string(lineNumber) + ": cannot read \"" + line + "\"";
            return std::nullopt;
        }
        script[frame].push_back(action);
    }
    return script;
}
