// data/MainMenu.dat: the eight main menu buttons, base and lit.
#include "tools/assetgen/generators.h"
#include "tools/assetgen/menu_pictures.h"

namespace assetgen {

void GenerateMainMenuPack(GeneratorContext& context) {
    PackBuilder pack("data/MainMenu.dat");
    const char* labels[6] = {"Start", "Options", "High Scores", "Help", "More Games", "Exit"};
    const ButtonColour colours[6] = {ButtonColour::Green, ButtonColour::Blue,   ButtonColour::Blue,
                                     ButtonColour::Blue,  ButtonColour::Purple, ButtonColour::Red};
    for (int i = 0; i < 6; ++i) {
        const double top = 1.3 - 1.7 * i;
        const Placement placement{13, 3, -9.5, 0.7 - 1.7 * i, -14.5, -4.0, top, top - 1.3};
        AddButtonPair(context, pack, 2 * i, 2 * i + 1, placement, labels[i], colours[i]);
    }
    AddButtonPair(context, pack, 12, 13, {10, 5, -11, 6.0, -14.5, -6.8, 7.2, 4.7}, "Subscribe",
                  ButtonColour::Orange);
    AddButtonPair(context, pack, 14, 15, {10, 3, -11, 3.7, -14.5, -6.8, 4.2, 2.9}, "Tell A Friend",
                  ButtonColour::Orange);
    pack.Write(context);
}

}  // namespace assetgen
