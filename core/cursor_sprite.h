// The game's own animated pointer: a sprite with ten frames from the cursor pack.
#pragma once

#include <array>

#include "engine/engine.h"

class CursorSprite {
public:
    // Makes the sprite (priority 1, 1.5 x 1.25 units) and loads its ten frames; frame 1 is set.
    void Build(EngineHandle camera);
    void Show();
    void Hide();
    EngineHandle Sprite() const { return sprite_; }
    int Frame() const { return frame_; }

private:
    EngineHandle sprite_ = 0;
    std::array<EngineHandle, 10> frames_{};
    int frame_ = 1;  // 1..10
};
