// The runner's virtual game pad.
#include "virtual_pad.h"

#include <algorithm>
#include <cmath>

namespace {
bool IsTrigger(int axis) { return axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT; }

// The virtual joystick's raw value: SDL maps a trigger's full raw range onto 0..32767,
// so a released trigger is the lowest raw value, not 0.
Sint16 RawValue(int axis, double value) {
    if (IsTrigger(axis)) return static_cast<Sint16>(std::lround(std::clamp(value, 0.0, 1.0) * 65535 - 32768));
    return static_cast<Sint16>(std::lround(std::clamp(value, -1.0, 1.0) * 32767));
}
}  // namespace

VirtualPad::VirtualPad() {
    axes_[SDL_CONTROLLER_AXIS_TRIGGERLEFT] = axes_[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] = RawValue(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0);
}

VirtualPad::~VirtualPad() { Detach(); }

bool VirtualPad::Attach() {
    if (joystick_) return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    // Buttons and axes in SDL's game-controller order, so SDL maps them one to one.
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    if (index < 0) return false;
    joystick_ = SDL_JoystickOpen(index);
    if (!joystick_) {
        SDL_JoystickDetachVirtual(index);
        return false;
    }
    id_ = SDL_JoystickInstanceID(joystick_);
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) SDL_JoystickSetVirtualButton(joystick_, b, buttons_[b]);
    for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a) SDL_JoystickSetVirtualAxis(joystick_, a, axes_[a]);
    return true;
}

void VirtualPad::Detach() {
    if (!joystick_) return;
    const int index = DeviceIndex();
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    if (index >= 0) SDL_JoystickDetachVirtual(index);
    id_ = -1;
}

int VirtualPad::DeviceIndex() const {
    for (int i = 0, count = SDL_NumJoysticks(); i < count; ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id_) return i;
    }
    return -1;
}

void VirtualPad::SetButton(SDL_GameControllerButton button, bool down) {
    if (button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX) return;
    buttons_[button] = down;
    if (joystick_) SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
}

void VirtualPad::SetAxis(SDL_GameControllerAxis axis, double value) {
    if (axis < 0 || axis >= SDL_CONTROLLER_AXIS_MAX) return;
    axes_[axis] = RawValue(axis, value);
    if (joystick_) SDL_JoystickSetVirtualAxis(joystick_, axis, axes_[axis]);
}
