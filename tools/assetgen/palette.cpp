// The colours behind the palette swatches.
#include "tools/assetgen/palette.h"

#include "tools/assetgen/theme.h"

namespace assetgen {

Rgba SwatchColour(int swatch) {
    switch (swatch) {
        case kSwatchCarBlack:
            return theme::kCarColours[0];
        case kSwatchCarBlue:
            return theme::kCarColours[1];
        case kSwatchCarGreen:
            return theme::kCarColours[2];
        case kSwatchCarRed:
            return theme::kCarColours[3];
        case kSwatchCarYellow:
            return theme::kCarColours[4];
        case kSwatchTyre:
            return Hex(0x25252B);
        case kSwatchHub:
            return Hex(0xD8DCE6);
        case kSwatchGlass:
            return Hex(0x9FDBFF);
        case kSwatchHeadlight:
            return Hex(0xFFF1A8);
        case kSwatchTailLight:
            return Hex(0xFF4A3A);
        case kSwatchWhite:
            return Hex(0xFAFAF5);
        case kSwatchInk:
            return theme::kInk;
        case kSwatchBlockRed:
            return theme::kRed;
        case kSwatchBlockYellow:
            return theme::kYellow;
        case kSwatchBlockBlue:
            return theme::kBlue;
        case kSwatchBlockGreen:
            return theme::kGreen;
        case kSwatchGold:
            return Hex(0xF2B90C);
        case kSwatchCoinBlue:
            return Hex(0x3A8DF2);
        case kSwatchHeart:
            return Hex(0xF0304A);
        case kSwatchPurple:
            return Hex(0x9B4DDB);
        case kSwatchArrowGreen:
            return theme::kGreen;
        case kSwatchBolt:
            return Hex(0xFFD21F);
        case kSwatchRoad:
            return theme::kRoad;
        case kSwatchKerbRed:
            return theme::kRed;
        case kSwatchWood:
            return theme::kWoodLight;
        case kSwatchWoodDark:
            return theme::kWoodDark;
        case kSwatchShadow:
            return Hex(0x101014);
        case kSwatchCream:
            return theme::kCream;
        default:
            return Hex(0xFF00FF);
    }
}

}  // namespace assetgen
