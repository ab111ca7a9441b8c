// One textured quad drawn as an engine sprite, in front of everything the camera shows.
#pragma once

#include <cstdint>

#include "engine/engine.h"

class TSpriteFlatImage {
public:
    EngineHandle sprite = 0;
    int8_t alpha = 0;               // opacity in percent, 0..100
    double scaleX = 0, scaleY = 0;  // last size given, menu units
    double x = 0, y = 0;            // last centre given, menu units

    // Makes the sprite from "data\sprite.x" on MainCamera with the texture; it stays hidden.
    void Build(EngineHandle texture);
    void SetLocation(double newX, double newY);  // menu units are overlay units
    void SetScale(double sx, double sy);         // 0.625 overlay scale per menu unit
    void SetAlpha(int percent);                  // white tint with alpha percent / 100
    void Show();
    void Hide();
};
