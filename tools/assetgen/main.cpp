// assetgen: writes every data file the game reads into a folder laid out like the
// one beside the executable (data/, sound/, wdata/, play.url), plus contact
// sheets and a manifest. Deterministic: the same build writes the same bytes.
//
//   assetgen --out DIR --font FILE --bold-font FILE [--preview DIR]
//            [--manifest FILE] [--icons DIR] --publisher URL [--only module,module...]
//
// --icons writes the desktop's icons (DIR/hicolor/NxN/apps/pebbledash.png) for the install.
//
// Exit status 0 on success; 1 with a message naming the file on any failure.
#include <cstdio>
#include <exception>
#include <sstream>
#include <string>

#include "tools/assetgen/generator_run.h"

namespace {

bool Parse(int argc, char** argv, assetgen::GeneratorOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return false;
        const std::string value = argv[++i];
        if (arg == "--out")
            options.out = value;
        else if (arg == "--preview")
            options.preview = value;
        else if (arg == "--manifest")
            options.manifest = value;
        else if (arg == "--icons")
            options.icons = value;
        else if (arg == "--font")
            options.font = value;
        else if (arg == "--bold-font")
            options.boldFont = value;
        else if (arg == "--publisher")
            options.publisherUrl = value;
        else if (arg == "--only") {
            std::stringstream list(value);
            std::string name;
            while (std::getline(list, name, ',')) options.only.insert(name);
        } else {
            return false;
        }
    }
    return !options.out.empty() && !options.font.empty() && !options.boldFont.empty() &&
           !options.publisherUrl.empty();
}

}  // namespace

int main(int argc, char** argv) {
    assetgen::GeneratorOptions options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: assetgen --out DIR --font FILE --bold-font FILE [--preview DIR] "
                     "[--manifest FILE] [--icons DIR] --publisher URL [--only module,...]\n");
        return 1;
    }
    try {
        const assetgen::GeneratorResult result = assetgen::RunGenerator(options);
        std::printf("assetgen: %zu files, %llu bytes\n", result.files.size(),
                    static_cast<unsigned long long>(result.totalSize));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
