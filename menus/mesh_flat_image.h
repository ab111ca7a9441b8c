// One textured quad made as an engine mesh in front of the menu camera.
#pragma once

#include <cstdint>

#include "engine/engine.h"

// Assumes MainCamera in its menu placement: at (0, 10, 0) looking at (0, 10, 10).
class TMeshFlatImage {
public:
    EngineHandle mesh = 0;
    int8_t alpha = 0;      // opacity in percent, 0..100
    int32_t priority = 0;  // render priority; also brings the quad nearer the camera
    double scaleX = 0, scaleY = 0;  // last size given, menu units
    double x = 0, y = 0;            // last centre given, menu units

    // Makes the mesh from "data\sprite.x" with the texture, the priority and plain alpha
    // blending; it stays hidden.
    void Build(EngineHandle texture, int32_t newPriority);
    // Menu units to the mesh's world place: x * 0.96875, y * 23/24 + 10, depth 20 - 0.1 * priority.
    void SetLocation(double newX, double newY);
    void SetScale(double sx, double sy);
    void SetAlpha(int percent);
    void Show();
    void Hide();
};
