// The game's own animated pointer: a sprite with ten frames from the cursor pack.
#pragma once

#include <array>

#include "engine/engine.h"

class CursorSprite {
public:
    // Seconds each frame stays on screen (a little more: the timer's remainder is dropped).
    static constexpr long double kFrameSeconds = 0.1L;

    // Makes the sprite (priority 1, 1.5 x 1.25 units) and loads its ten frames; frame 1 is
    // set and the frame timer is -1, so the first Animate moves on at once.
    void Build(EngineHandle camera);
    void Show();
    void Hide();
    // Lowers the frame timer by the frame's seconds; when it falls below 0 it is set to
    // 0.1 and the next frame (after 10 comes 1) goes on the sprite.
    void Animate(long double frameSeconds);
    // Places the sprite's centre in menu units (the overlay's space).
    void PlaceAt(long double x, long double y);

    EngineHandle Sprite() const { return sprite_; }
    int Frame() const { return frame_; }
    // The last place given to PlaceAt, (0, 0) before the first.
    Vec2 Location() const { return location_; }

private:
    EngineHandle sprite_ = 0;
    std::array<EngineHandle, 10> frames_{};
    int frame_ = 1;  // 1..10
    long double frameTimer_ = -1.0L;  // seconds left for the current frame
    Vec2 location_{};
};
