// The colours of the toy-box look every picture shares: a cosy room, a honey
// wooden table and bright plastic toy colours.
#pragma once

#include "tools/assetgen/canvas.h"

namespace assetgen::theme {

inline const Rgba kWall = Hex(0xF7E6C8);
inline const Rgba kWallStripe = Hex(0xEFD4A6);
inline const Rgba kSkirting = Hex(0xFFFBF2);
inline const Rgba kWoodLight = Hex(0xD9954E);
inline const Rgba kWoodDark = Hex(0x9A5A2A);
inline const Rgba kFloor = Hex(0xB27744);
inline const Rgba kInk = Hex(0x2A1E3A);  // outlines and dark text
inline const Rgba kCream = Hex(0xFFF7E3);
inline const Rgba kRed = Hex(0xE8412C);
inline const Rgba kYellow = Hex(0xFFC928);
inline const Rgba kOrange = Hex(0xFF8C1A);
inline const Rgba kBlue = Hex(0x2F7DE1);
inline const Rgba kGreen = Hex(0x3DBE4F);
inline const Rgba kBlack = Hex(0x34343F);
inline const Rgba kSky = Hex(0x8FD3FF);
inline const Rgba kRoad = Hex(0x4A4D5C);
inline const Rgba kPanelTop = Hex(0x2E4478).WithAlpha(0.95);     // panel interiors: the game
inline const Rgba kPanelBottom = Hex(0x1B2548).WithAlpha(0.95);  // prints yellow text on them
inline const Rgba kLabel = Hex(0xFFF7E3);                        // light labels on panels

// The five car colours in model order 1..5: black, blue, green, red, yellow.
inline const Rgba kCarColours[5] = {kBlack, kBlue, kGreen, kRed, kYellow};

// Menu pictures are drawn at this many pixels per menu unit.
inline constexpr double kPixelsPerUnit = 32;

}  // namespace assetgen::theme
