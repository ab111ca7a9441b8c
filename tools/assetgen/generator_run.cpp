// The module table and the run of the generator.
#include "tools/assetgen/generator_run.h"

#include <functional>
#include <stdexcept>

#include "tools/assetgen/desktop_icons.h"
#include "tools/assetgen/generators.h"
#include "tools/assetgen/screen_mockups.h"

namespace assetgen {

namespace {

struct Module {
    const char* name;
    std::function<void(GeneratorContext&, const GeneratorOptions&)> run;
    bool previewOnly = false;  // contact-sheet work: runs only when sheets are written
};

template <void (*Generate)(GeneratorContext&)>
void Plain(GeneratorContext& context, const GeneratorOptions&) {
    Generate(context);
}

// Run order matters only for the mock-ups, which read the written files back.
const std::vector<Module>& Modules() {
    static const std::vector<Module> modules = {
        {"sprite", Plain<GenerateSpriteModel>},
        {"loading", Plain<GenerateLoadingPack>},
        {"cursor", Plain<GenerateCursorPack>},
        {"font", Plain<GenerateFont>},
        {"sky", Plain<GenerateSkyBox>},
        {"background", Plain<GenerateMenuBackground>},
        {"mainmenu", Plain<GenerateMainMenuPack>},
        {"options", Plain<GenerateOptionsPack>},
        {"startgame", Plain<GenerateStartGamePack>},
        {"forms", Plain<GenerateFormsPack>},
        {"help", Plain<GenerateHelpPages>},
        {"hud", Plain<GenerateHudPictures>},
        {"textures", Plain<GenerateTextures>},
        {"sounds", Plain<GenerateSounds>},
        {"music", Plain<GenerateMusic>},
        {"tracks", Plain<GenerateTracks>},
        {"cars", Plain<GenerateCars>},
        {"pickups", Plain<GeneratePickups>},
        {"closing",
         [](GeneratorContext& context, const GeneratorOptions& options) {
             GenerateClosingScreen(context, options.publisherUrl);
         }},
        {"mockups", Plain<ComposeScreenMockups>, true},
    };
    return modules;
}

}  // namespace

std::vector<std::string> ModuleNames() {
    std::vector<std::string> names;
    for (const Module& module : Modules()) names.push_back(module.name);
    return names;
}

GeneratorResult RunGenerator(const GeneratorOptions& options) {
    if (options.out.empty()) throw std::runtime_error("no output folder given");
    if (options.publisherUrl.empty()) throw std::runtime_error("no publisher address given");
    for (const std::string& name : options.only) {
        bool known = false;
        for (const Module& module : Modules()) known = known || name == module.name;
        if (!known) throw std::runtime_error("unknown module " + name);
    }
    FontSet fonts(options.font, options.boldFont);
    AssetOutput out(options.out);
    PreviewBook preview;
    GeneratorContext context{out, fonts, preview};
    for (const Module& module : Modules()) {
        if (module.previewOnly && options.preview.empty()) continue;
        if (!options.only.empty() && !options.only.count(module.name)) continue;
        module.run(context, options);
    }
    if (options.only.empty()) {
        for (const std::string& path : out.Missing()) throw std::runtime_error(path + " was not generated");
    }
    if (!options.manifest.empty()) {
        const std::string text = out.Manifest();
        WriteFileOrThrow(options.manifest, text.data(), text.size());
    }
    if (!options.icons.empty()) WriteDesktopIcons(options.icons);
    preview.WriteSheets(options.preview, fonts);
    GeneratorResult result;
    for (const WrittenFile& file : out.Files()) result.files.push_back(file.path);
    result.totalSize = out.TotalSize();
    return result;
}

}  // namespace assetgen
