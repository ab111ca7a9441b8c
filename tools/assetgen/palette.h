// The colour swatches of data\palette.png that model texture coordinates point
// into: swatch s is the 16 x 16 pixel cell at column s % 16, row s / 16.
#pragma once

#include "tools/assetgen/canvas.h"

namespace assetgen {

enum Swatch : int {
    kSwatchCarBlack = 0,  // the five car colours, model order
    kSwatchCarBlue,
    kSwatchCarGreen,
    kSwatchCarRed,
    kSwatchCarYellow,
    kSwatchTyre,
    kSwatchHub,
    kSwatchGlass,
    kSwatchHeadlight,
    kSwatchTailLight,
    kSwatchWhite,
    kSwatchInk,
    kSwatchBlockRed,  // barrier blocks
    kSwatchBlockYellow,
    kSwatchBlockBlue,
    kSwatchBlockGreen,
    kSwatchGold,
    kSwatchCoinBlue,
    kSwatchHeart,
    kSwatchPurple,
    kSwatchArrowGreen,
    kSwatchBolt,
    kSwatchRoad,
    kSwatchKerbRed,
    kSwatchWood,
    kSwatchWoodDark,
    kSwatchShadow,
    kSwatchCream,
    kSwatchCount
};

Rgba SwatchColour(int swatch);

}  // namespace assetgen
