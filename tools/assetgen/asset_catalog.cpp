// The list of every generated file.
#include "tools/assetgen/asset_catalog.h"

#include <algorithm>
#include <cctype>

namespace assetgen {

const char* const kCarColourNames[5] = {"Black", "Blue", "Green", "Red", "Yellow"};
const char* const kPickupModelNames[5] = {"P50", "P100", "Life", "Strelki", "Action"};

namespace {

std::vector<CatalogEntry> BuildCatalog() {
    std::vector<CatalogEntry> list = {
        {"data/sprite.x", "1.6 x 1.6 quad facing the camera: sprites and flat menu images"},
        {"data/Loading.dat", "loading screen: progress bar 10 %..100 % (0..9), background (10)", 11},
        {"data/Cursor.dat", "mouse pointer, ten animation frames", 10},
        {"data/MainMenu.dat", "main menu buttons, base and lit", 16},
        {"data/OptMenu.dat", "options screen: title, pages, tabs, rows, switches, knob", 42},
        {"data/StartGame.dat", "car choice and difficulty screens", 23},
        {"data/Forms.dat", "frames, panels and buttons shared by the side screens and dialogs", 55},
        {"data/MenuZadnik.jpg", "menu background, 1024 x 768"},
        {"data/Over1.png", "help page 1: controls"},
        {"data/Over2.png", "help page 2: pickups"},
        {"data/Over3.png", "help page 3: rules"},
        {"data/Over4.png", "help page 4: tips"},
        {"data/Game panels.png", "race HUD strip with score, lives, level, laps and time fields"},
        {"data/RedPoint.png", "minimap dot of the player's car"},
        {"data/Vodila.png", "HUD icon: reversed steering"},
        {"data/Action.png", "HUD icon: boost"},
        {"data/Tail.png", "HUD effect time bar"},
        {"data/Pause.png", "pause banner"},
        {"data/Game Over.png", "game over banner"},
        {"data/WhiteScreen.jpg", "plain white picture for fades"},
        {"data/_fontg/Palatino Linotype.wid", "bitmap font of menus, banners and HUD (TeX Gyre Pagella)"},
        {"data/skybox01.sky", "sky box: the room around the table"},
        {"data/skybox01_right.jpg", "sky face +x: room wall with a window"},
        {"data/skybox01_left.jpg", "sky face -x: room wall with shelves"},
        {"data/skybox01_top.jpg", "sky face +y: ceiling with a lamp"},
        {"data/skybox01_bottom.jpg", "sky face -y: floor boards"},
        {"data/skybox01_front.jpg", "sky face +z: room wall with a door"},
        {"data/skybox01_back.jpg", "sky face -z: room wall with a picture"},
        {"data/trail.dds", "tyre trail texture"},
        {"data/particle_clot.dds", "dust puff particle texture"},
        {"data/palette.png", "colour swatches the models' texture coordinates point into"},
        {"data/wood.png", "table top wood grain"},
        {"data/road.png", "road surface with its centre dashes"},
        {"data/kerb.png", "red and white kerb stripes"},
        {"data/checker.png", "start and finish line"},
        {"data/Table_5.00.ply", "collision mesh of the table slab"},
        {"data/Car_.spg", "sphere group of the car body"},
        {"data/wheel_.spg", "sphere group of a wheel"},
        {"data/wheel.x", "wheel model (drawn at scale 0.1)"},
        {"data/cars_shadow.x", "car shadow mesh"},
        {"data/wheel_shadow.x", "wheel shadow mesh"},
        {"sound/1.wav", "spare effect"},
        {"sound/4.wav", "bump"},
        {"sound/8.wav", "points pickup"},
        {"sound/9.wav", "extra life"},
        {"sound/10.wav", "bad pickup"},
        {"sound/11.wav", "low-time warning beep"},
        {"sound/12.wav", "level complete"},
        {"sound/13.wav", "game over"},
        {"sound/14.WAV", "menu hover tick"},
        {"sound/15.wav", "menu click"},
        {"sound/16.wav", "engine hum, loops"},
        {"sound/a1.wav", "accelerating, low, loops"},
        {"sound/a2.wav", "accelerating, high, loops"},
        {"sound/b.wav", "slowing down, loops"},
        {"sound/musmenu.ogg", "menu music, loops"},
        {"sound/musgame1.ogg", "race music 1, loops"},
        {"sound/musgame2.ogg", "race music 2, loops"},
        {"sound/musgame3.ogg", "race music 3, loops"},
        {"wdata/config.ini", "closing share screen description"},
        {"wdata/background.jpg", "closing screen background"},
        {"wdata/site.png", "closing screen button: visit the site"},
        {"wdata/site_lit.png", "closing screen button lit: visit the site"},
        {"wdata/more.png", "closing screen button: more games"},
        {"wdata/more_lit.png", "closing screen button lit: more games"},
        {"wdata/exit.png", "closing screen exit button"},
        {"wdata/exit_lit.png", "closing screen exit button lit"},
        {"wdata/exit_wait.png", "closing screen exit button while the countdown runs"},
        {"wdata/site.html", "link file: the publisher's site"},
        {"wdata/more.html", "link file: more games on the publisher's site"},
        {"play.url", "internet shortcut opened when the program ends"},
    };
    for (int track = 1; track <= 5; ++track) {
        const std::string n = std::to_string(track);
        list.push_back({"data/Trassa" + n + ".x", "track " + n + " model (drawn at scale 0.1)"});
        list.push_back({"data/Trassa" + n + "_5.00.ply", "track " + n + " barrier collision mesh"});
        list.push_back({"data/Trassa" + n + "_shadow.x", "track " + n + " shadow mesh"});
    }
    for (int track = 1; track <= 7; ++track) {
        const std::string n = std::to_string(track);
        list.push_back({"data/Trassa" + n + ".png", "minimap of track " + n});
    }
    for (const char* colour : kCarColourNames) {
        list.push_back({std::string("data/Car") + colour + ".x",
                        std::string("car model, ") + colour + " (drawn at scale 0.1)"});
    }
    for (const char* pickup : kPickupModelNames) {
        list.push_back({std::string("data/") + pickup + ".x", std::string("pickup model ") + pickup});
        list.push_back(
            {std::string("data/") + pickup + "_shadow.x", std::string("pickup shadow mesh ") + pickup});
    }
    return list;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

const std::vector<CatalogEntry>& Catalog() {
    static const std::vector<CatalogEntry> catalog = BuildCatalog();
    return catalog;
}

const CatalogEntry* FindInCatalog(const std::string& path) {
    for (const CatalogEntry& entry : Catalog()) {
        if (entry.path == path) return &entry;
    }
    return nullptr;
}

std::string CanonicalPath(const std::string& gamePath) {
    std::string slashed = gamePath;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    const std::string wanted = Lower(slashed);
    for (const CatalogEntry& entry : Catalog()) {
        if (Lower(entry.path) == wanted) return entry.path;
    }
    return {};
}

}  // namespace assetgen
