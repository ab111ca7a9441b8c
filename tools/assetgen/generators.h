// The generator modules, each writing its group of files. main runs them in order.
#pragma once

#include <string>

#include "tools/assetgen/generator_context.h"

namespace assetgen {

void GenerateSpriteModel(GeneratorContext& context);     // data/sprite.x
void GenerateLoadingPack(GeneratorContext& context);     // data/Loading.dat
void GenerateCursorPack(GeneratorContext& context);      // data/Cursor.dat
void GenerateFont(GeneratorContext& context);            // the ".wid" font
void GenerateSkyBox(GeneratorContext& context);          // data/skybox01.sky and faces
void GenerateMenuBackground(GeneratorContext& context);  // data/MenuZadnik.jpg
void GenerateMainMenuPack(GeneratorContext& context);    // data/MainMenu.dat
void GenerateOptionsPack(GeneratorContext& context);     // data/OptMenu.dat
void GenerateStartGamePack(GeneratorContext& context);   // data/StartGame.dat
void GenerateFormsPack(GeneratorContext& context);       // data/Forms.dat
void GenerateHelpPages(GeneratorContext& context);       // data/Over1..4.png
void GenerateHudPictures(GeneratorContext& context);     // HUD strip, icons, banners
void GenerateTextures(GeneratorContext& context);        // model textures, DDS
void GenerateSounds(GeneratorContext& context);          // sound/*.wav
void GenerateMusic(GeneratorContext& context);           // sound/*.ogg
void GenerateTracks(GeneratorContext& context);          // tracks, table, minimaps
void GenerateCars(GeneratorContext& context);            // cars, wheels, sphere groups
void GeneratePickups(GeneratorContext& context);         // pickup models
void GenerateClosingScreen(GeneratorContext& context, const std::string& publisherUrl);

}  // namespace assetgen
