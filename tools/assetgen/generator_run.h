// Running the generator: the table of modules, the subset choice, the final
// completeness check, the manifest and the contact sheets.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace assetgen {

struct GeneratorOptions {
    std::string out;             // root folder of the game's files (required)
    std::string preview;         // contact sheet folder; empty: none
    std::string manifest;        // manifest file; empty: none
    std::string icons;           // folder for the desktop's hicolor icons; empty: none
    std::string font, boldFont;  // label and bitmap font files (required)
    std::string publisherUrl;    // the publisher's site, for the links
    std::set<std::string> only;  // module names; empty: all, and every listed file must be written
};

struct GeneratorResult {
    std::vector<std::string> files;  // paths written, relative to out
    uint64_t totalSize = 0;
};

// The module names in run order.
std::vector<std::string> ModuleNames();

// Throws std::runtime_error, naming the file, on any failure.
GeneratorResult RunGenerator(const GeneratorOptions& options);

}  // namespace assetgen
