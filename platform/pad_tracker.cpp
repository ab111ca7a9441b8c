// Game pads as held keys: hot-plugging, dead zones and the control-to-key map.
#include "platform/pad_tracker.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kFull = 32767;
constexpr int kStickPress = kFull / 2, kStickRelease = kFull / 3;
constexpr int kTriggerPress = kFull / 3, kTriggerRelease = kFull / 5;

bool IsTrigger(PadControl control) { return control == PadRightTrigger || control == PadLeftTrigger; }

}  // namespace

bool PadTracker::Apply(const SDL_Event& event, InputTracker& input)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Open(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        Close(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (Pad* pad = Find(event.cbutton.which);
            pad != nullptr && event.cbutton.button < SDL_CONTROLLER_BUTTON_MAX) {
            pad->buttons[event.cbutton.button] = event.type == SDL_CONTROLLERBUTTONDOWN;
        }
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (Pad* pad = Find(event.caxis.which); pad != nullptr && event.caxis.axis < SDL_CONTROLLER_AXIS_MAX) {
            pad->axes[event.caxis.axis] = event.caxis.value;
        }
        break;
    default:
        return false;
    }
    Update(input);
    return true;
}

void PadTracker::SetMap(const PadKeyMap& map, InputTracker& input)
{
    if (map == map_) {
        return;
    }
    for (int control = 0; control < PadControlCount; ++control) {
        if (map.keys[control] != map_.keys[control] && active_[control]) {
            blocked_[control] = true;
        }
    }
    map_ = map;
    Update(input);
}

void PadTracker::ReleaseAll(InputTracker& input)
{
    for (int control = 0; control < PadControlCount; ++control) {
        blocked_[control] = blocked_[control] || active_[control];
    }
    Update(input);
}

void PadTracker::Open(int deviceIndex)
{
    // SDL reports pads present at start-up as added too; one may come twice.
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || Find(id) != nullptr) {
        return;
    }
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    Pad pad;
    pad.controller = controller;
    pad.id = id;
    pads_.push_back(pad);
}

void PadTracker::Close(SDL_JoystickID id)
{
    const auto found = std::find_if(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
    if (found == pads_.end()) {
        return;
    }
    SDL_GameControllerClose(found->controller);
    pads_.erase(found);
}

PadTracker::Pad* PadTracker::Find(SDL_JoystickID id)
{
    for (Pad& pad : pads_) {
        if (pad.id == id) {
            return &pad;
        }
    }
    return nullptr;
}

int PadTracker::Level(PadControl control) const
{
    int level = 0;
    const auto button = [](const Pad& pad, SDL_GameControllerButton b) { return pad.buttons[b] ? kFull : 0; };
    const auto pushed = [](const Pad& pad, SDL_GameControllerAxis axis, int sign) {
        return std::clamp(sign * static_cast<int>(pad.axes[axis]), 0, kFull);
    };
    for (const Pad& pad : pads_) {
        int own = 0;
        switch (control) {
        case PadLeft:
            own = std::max(button(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT), pushed(pad, SDL_CONTROLLER_AXIS_LEFTX, -1));
            break;
        case PadRight:
            own = std::max(button(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT), pushed(pad, SDL_CONTROLLER_AXIS_LEFTX, 1));
            break;
        case PadUp:
            own = std::max(button(pad, SDL_CONTROLLER_BUTTON_DPAD_UP), pushed(pad, SDL_CONTROLLER_AXIS_LEFTY, -1));
            break;
        case PadDown:
            own = std::max(button(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN), pushed(pad, SDL_CONTROLLER_AXIS_LEFTY, 1));
            break;
        case PadRightTrigger:
            own = pushed(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1);
            break;
        case PadLeftTrigger:
            own = pushed(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 1);
            break;
        case PadA:
            own = button(pad, SDL_CONTROLLER_BUTTON_A);
            break;
        case PadB:
            own = button(pad, SDL_CONTROLLER_BUTTON_B);
            break;
        case PadX:
            own = button(pad, SDL_CONTROLLER_BUTTON_X);
            break;
        case PadY:
            own = button(pad, SDL_CONTROLLER_BUTTON_Y);
            break;
        case PadStart:
            own = button(pad, SDL_CONTROLLER_BUTTON_START);
            break;
        case PadBack:
            own = button(pad, SDL_CONTROLLER_BUTTON_BACK);
            break;
        case PadControlCount:
            break;
        }
        level = std::max(level, own);
    }
    return level;
}

void PadTracker::Update(InputTracker& input)
{
    bool wanted[SDL_NUM_SCANCODES] = {};
    for (int index = 0; index < PadControlCount; ++index) {
        const auto control = static_cast<PadControl>(index);
        const int press = IsTrigger(control) ? kTriggerPress : kStickPress;
        const int release = IsTrigger(control) ? kTriggerRelease : kStickRelease;
        const int level = Level(control);
        active_[index] = active_[index] ? level >= release : level >= press;
        if (!active_[index]) {
            blocked_[index] = false;
        }
        const SDL_Scancode key = map_.keys[index];
        if (active_[index] && !blocked_[index] && key > SDL_SCANCODE_UNKNOWN && key < SDL_NUM_SCANCODES) {
            wanted[key] = true;
        }
    }
    for (int key = 0; key < SDL_NUM_SCANCODES; ++key) {
        if (wanted[key] != keyHeld_[key]) {
            keyHeld_[key] = wanted[key];
            input.SetPadKey(static_cast<SDL_Scancode>(key), wanted[key]);
        }
    }
}

}  // namespace platform
