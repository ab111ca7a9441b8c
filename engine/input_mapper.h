// InputMapper: the classic PC scan codes of the engine's key functions, as SDL scancodes.
#pragma once

namespace engine {

class InputMapper {
public:
    // The SDL scancode of a classic code (1 Esc, 57 Space, 200 Up, ...); 0 (unknown)
    // for codes without a key.
    static int ToSdlScancode(int code);
};

}  // namespace engine
