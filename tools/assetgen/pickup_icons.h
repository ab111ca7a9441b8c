// Flat icons of the five pickups, shared by the help pages and the HUD.
#pragma once

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/font_set.h"

namespace assetgen {

// kind 1..5 (P50, P100, Life, Strelki, Action), centred at (cx, cy), size pixels across.
void PaintPickupIcon(const Canvas& canvas, const FontSet& fonts, int kind, double cx, double cy, double size);

}  // namespace assetgen
