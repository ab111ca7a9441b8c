// The pickups: data\P50.x and P100.x (coin tokens), data\Life.x (a heart),
// data\Strelki.x (two opposed arrows) and data\Action.x (a lightning bolt), with
// a shadow mesh each. Each stands round its body's centre, 3 above the table, and
// is 4 to 6 world units across; files are in world units divided by the kind's
// mesh scale (0.1, 0.1, 0.4, 0.1, 0.8); shadows are always drawn at 0.1.
#include <cmath>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/model_export.h"
#include "tools/assetgen/palette.h"

namespace assetgen {

namespace {

// A seven-segment digit, 1.0 wide and 1.8 high, centred at (cx, 0), standing out
// of the plane z = face towards +z (or -z when facing back).
void AddDigit(MeshBuilder& mesh, int digit, double cx, double face, bool back, int swatch) {
    static const char* const kSegments[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                              "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    const double w = 0.5, h = 0.9, t = 0.18;
    const double z0 = back ? face - 0.12 : face, z1 = back ? face : face + 0.12;
    for (const char* s = kSegments[digit]; *s; ++s) {
        switch (*s) {
            case 'a':
                mesh.AddBox({cx - w, h - t, z0}, {cx + w, h, z1}, swatch);
                break;
            case 'b':
                mesh.AddBox({cx + w - t, 0, z0}, {cx + w, h, z1}, swatch);
                break;
            case 'c':
                mesh.AddBox({cx + w - t, -h, z0}, {cx + w, 0, z1}, swatch);
                break;
            case 'd':
                mesh.AddBox({cx - w, -h, z0}, {cx + w, -h + t, z1}, swatch);
                break;
            case 'e':
                mesh.AddBox({cx - w, -h, z0}, {cx - w + t, 0, z1}, swatch);
                break;
            case 'f':
                mesh.AddBox({cx - w, 0, z0}, {cx - w + t, h, z1}, swatch);
                break;
            default:
                mesh.AddBox({cx - w, -t / 2, z0}, {cx + w, t / 2, z1}, swatch);
                break;
        }
    }
}

// A coin standing upright, its faces towards -z and +z, with its value on both.
std::vector<MeshBuilder> Coin(int value, int metal) {
    MeshBuilder coin("coin");
    coin.AddCylinder({0, 0, -0.3}, {0, 0, 0.3}, 2.4, 24, metal);
    coin.AddCylinder({0, 0, -0.34}, {0, 0, 0.34}, 2.0, 24, kSwatchCream);
    MeshBuilder digits("value");
    const std::string text = std::to_string(value);
    const double spacing = 1.25;
    const double first = -spacing * (text.size() - 1) / 2.0;
    for (size_t i = 0; i < text.size(); ++i) {
        const int digit = text[i] - '0';
        AddDigit(digits, digit, first + spacing * i, 0.34, false, metal);
        // Seen from the back the digits read the same way round.
        AddDigit(digits, digit, -(first + spacing * i), -0.34, true, metal);
    }
    return {coin, digits};
}

std::vector<MeshBuilder> Heart() {
    MeshBuilder heart("heart");
    heart.AddEllipsoid({-0.95, 0.6, 0}, {1.25, 1.2, 0.8}, 10, 18, kSwatchHeart);
    heart.AddEllipsoid({0.95, 0.6, 0}, {1.25, 1.2, 0.8}, 10, 18, kSwatchHeart);
    heart.AddExtruded({{-2.05, 0.3}, {0, -2.4}, {2.05, 0.3}, {0, 1.0}}, -0.7, 0.7, kSwatchHeart);
    MeshBuilder shine("shine");
    shine.AddEllipsoid({-1.2, 1.1, 0.55}, {0.35, 0.25, 0.2}, 6, 10, kSwatchWhite);
    return {heart, shine};
}

std::vector<MeshBuilder> Arrows() {
    MeshBuilder arrows("arrows");
    for (int side : {1, -1}) {
        const double y = side * 1.1;
        const double s = side;  // the upper arrow points to +x, the lower one to -x
        const int colour = side > 0 ? kSwatchPurple : kSwatchArrowGreen;
        arrows.AddBox({side > 0 ? -2.5 : -1.0, y - 0.4, -0.3}, {side > 0 ? 1.0 : 2.5, y + 0.4, 0.3}, colour);
        arrows.AddExtruded({{s * 1.0, y - 1.1}, {s * 2.8, y}, {s * 1.0, y + 1.1}}, -0.3, 0.3, colour);
    }
    return {arrows};
}

std::vector<MeshBuilder> Bolt() {
    MeshBuilder bolt("bolt");
    bolt.AddExtruded({{0.3, 2.6}, {1.5, 2.6}, {0.5, 0.3}, {-0.9, 0.3}}, -0.4, 0.4, kSwatchBolt);
    bolt.AddExtruded({{-0.9, 0.3}, {1.3, 0.3}, {-1.0, -2.8}}, -0.4, 0.4, kSwatchBolt);
    return {bolt};
}

void WritePickup(GeneratorContext& context, const char* name, std::vector<MeshBuilder> parts,
                 double meshScale) {
    std::vector<MeshBuilder> shadow;
    for (const MeshBuilder& part : parts) {
        shadow.push_back(part);
        shadow.back().Transform({0, 0, 0}, 10);
    }
    for (MeshBuilder& part : parts) part.Transform({0, 0, 0}, 1 / meshScale);
    context.out.Write(std::string("data/") + name + ".x", ExportX(parts));
    context.out.Write(std::string("data/") + name + "_shadow.x", ExportX(shadow));
}

}  // namespace

void GeneratePickups(GeneratorContext& context) {
    WritePickup(context, "P50", Coin(50, kSwatchCoinBlue), 0.1);
    WritePickup(context, "P100", Coin(100, kSwatchGold), 0.1);
    WritePickup(context, "Life", Heart(), 0.4);
    WritePickup(context, "Strelki", Arrows(), 0.1);
    WritePickup(context, "Action", Bolt(), 0.8);
}

}  // namespace assetgen
