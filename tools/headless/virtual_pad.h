// VirtualPad: a game pad made by SDL's virtual-joystick driver, for scripted pad input.
#pragma once

#include <SDL2/SDL.h>

// One virtual game pad with SDL's standard buttons and axes. It can be plugged in and
// pulled out at any time; what it holds is kept while it is out and given again when
// it comes back, as a player would still hold the controls.
class VirtualPad {
public:
    VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;
    ~VirtualPad();

    bool Attach();   // false when SDL cannot make one; attaching twice does nothing
    void Detach();
    bool Attached() const { return joystick_ != nullptr; }
    void SetButton(SDL_GameControllerButton button, bool down);
    // value -1..1 (sticks: -1 left or up; triggers: 0 released, 1 fully pulled).
    void SetAxis(SDL_GameControllerAxis axis, double value);

private:
    int DeviceIndex() const;  // -1 when not attached

    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID id_ = -1;
    bool buttons_[SDL_CONTROLLER_BUTTON_MAX] = {};
    Sint16 axes_[SDL_CONTROLLER_AXIS_MAX] = {};  // raw values
};
