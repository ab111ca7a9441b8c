// The cars: data\CarBlack.x .. CarYellow.x (body parts, drawn at scale 0.1),
// data\Car_.spg (the spheres of the chassis body), data\wheel.x and
// data\wheel_.spg, and the shadow meshes data\cars_shadow.x and data\wheel_shadow.x.
//
// Car-local frame: +x forward, +y up; the wheel joints stand at
// (+-1.3, -0.3, +-0.9..1.0). The body is about 3.4 long and 2.4 wide
// with its wheels; its underside clears the table when the wheels (radius 0.5)
// touch it.
#include <cmath>

#include "formats/sphere_group_file.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/model_export.h"
#include "tools/assetgen/palette.h"

namespace assetgen {

namespace {

constexpr double kFileScale = 10;
constexpr double kWheelRadius = 0.5;
constexpr double kWheelWidth = 0.4;
// Height of the chassis's sphere row above the car's origin (the wheel joints stand at -0.3).
constexpr double kRowHeight = 0.15;

std::vector<MeshBuilder> CarParts(int model) {
    const int paint = kSwatchCarBlack + model;
    MeshBuilder body("body");
    // Lower body between the wheels, a wider deck over them, bumpers.
    body.AddBox({-1.7, -0.35, -0.78}, {1.7, 0.2, 0.78}, paint);
    body.AddBox({-1.55, 0.2, -1.05}, {1.6, 0.42, 1.05}, paint);
    body.AddBox({1.6, -0.3, -0.9}, {1.78, 0.05, 0.9}, kSwatchHub);
    body.AddBox({-1.78, -0.3, -0.9}, {-1.6, 0.05, 0.9}, kSwatchHub);
    // Spoiler on two posts.
    body.AddBox({-1.55, 0.42, -0.5}, {-1.45, 0.75, -0.4}, kSwatchInk);
    body.AddBox({-1.55, 0.42, 0.4}, {-1.45, 0.75, 0.5}, kSwatchInk);
    body.AddBox({-1.7, 0.75, -1.0}, {-1.3, 0.85, 1.0}, paint);
    MeshBuilder cabin("cabin");
    cabin.AddEllipsoid({-0.15, 0.42, 0}, {0.95, 0.55, 0.8}, 8, 16, kSwatchGlass);
    cabin.AddBox({-0.55, 0.42, -0.82}, {0.35, 0.55, 0.82}, paint);
    MeshBuilder lights("lights");
    lights.AddBox({1.6, 0.22, -0.85}, {1.64, 0.38, -0.5}, kSwatchHeadlight);
    lights.AddBox({1.6, 0.22, 0.5}, {1.64, 0.38, 0.85}, kSwatchHeadlight);
    lights.AddBox({-1.59, 0.22, -0.85}, {-1.55, 0.36, -0.55}, kSwatchTailLight);
    lights.AddBox({-1.59, 0.22, 0.55}, {-1.55, 0.36, 0.85}, kSwatchTailLight);
    // A white racing number disc on each side and a stripe over the bonnet.
    lights.AddCylinder({0.25, 0.05, 0.78}, {0.25, 0.05, 0.8}, 0.22, 12, kSwatchWhite);
    lights.AddCylinder({0.25, 0.05, -0.8}, {0.25, 0.05, -0.78}, 0.22, 12, kSwatchWhite);
    lights.AddBox({0.6, 0.42, -0.15}, {1.6, 0.43, 0.15}, kSwatchWhite);
    std::vector<MeshBuilder> parts = {body, cabin, lights};
    for (MeshBuilder& part : parts) part.Transform({0, 0, 0}, kFileScale);
    return parts;
}

// The wheel turns about its local x axis: the program joins it to the car turned
// -90 degrees about y, so its x axis lies along the car's z axis.
MeshBuilder Wheel(double scale, const char* name) {
    MeshBuilder wheel(name);
    const double h = kWheelWidth / 2;
    wheel.AddCylinder({-h, 0, 0}, {h, 0, 0}, kWheelRadius, 16, kSwatchTyre);
    wheel.AddCylinder({-h - 0.02, 0, 0}, {h + 0.02, 0, 0}, kWheelRadius * 0.5, 12, kSwatchHub);
    wheel.Transform({0, 0, 0}, scale);
    return wheel;
}

}  // namespace

void GenerateCars(GeneratorContext& context) {
    const char* const names[5] = {"Black", "Blue", "Green", "Red", "Yellow"};
    for (int model = 0; model < 5; ++model) {
        context.out.Write(std::string("data/Car") + names[model] + ".x", ExportX(CarParts(model)));
    }
    MeshBuilder shadow("shadow");
    shadow.AddBox({-1.7, -0.35, -1.05}, {1.7, 0.42, 1.05}, kSwatchShadow);
    shadow.AddBox({-0.9, 0.42, -0.75}, {0.7, 0.95, 0.75}, kSwatchShadow);
    shadow.Transform({0, 0, 0}, kFileScale);
    context.out.Write("data/cars_shadow.x", ExportX({shadow}));
    context.out.Write("data/wheel.x", ExportX({Wheel(kFileScale, "wheel")}));
    // The program does not scale the wheel's shadow: world units.
    context.out.Write("data/wheel_shadow.x", ExportX({Wheel(1, "wheel shadow")}));
    // The chassis: a row of eight body spheres and a flat roof of four smaller ones,
    // so a car that lands on its roof lies level (and its driver's overturn rule sees
    // it), instead of resting tilted on a ridge. The row's underside stays clear of
    // the table while the wheels carry the car on their springs; the round nose
    // glances off a barrier instead of catching on it.
    formats::SphereGroup chassis;
    for (double x : {-1.2, -0.4, 0.4, 1.2}) {
        for (double z : {-0.5, 0.5}) chassis.spheres.push_back({float(x), float(kRowHeight), float(z), 0.45f});
    }
    for (double x : {-0.5, 0.5}) {
        for (double z : {-0.4, 0.4}) chassis.spheres.push_back({float(x), float(kRowHeight + 0.45), float(z), 0.35f});
    }
    context.out.Write("data/Car_.spg", formats::WriteSphereGroup(chassis));
    formats::SphereGroup wheel;
    wheel.spheres.push_back({0, 0, 0, float(kWheelRadius)});
    context.out.Write("data/wheel_.spg", formats::WriteSphereGroup(wheel));
}

}  // namespace assetgen
