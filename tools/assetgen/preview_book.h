// PreviewBook: collects pictures under sheet names and writes them as labelled
// contact sheets (PNG) for review: every pack entry with its file and index,
// every plain picture, the track plans.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/font_set.h"

namespace assetgen {

class PreviewBook {
public:
    PreviewBook() = default;
    ~PreviewBook();
    PreviewBook(const PreviewBook&) = delete;
    PreviewBook& operator=(const PreviewBook&) = delete;

    // Keeps a reference to the canvas's picture for the sheet named sheet.
    void Add(const std::string& sheet, const std::string& label, const Canvas& canvas);

    // Writes one PNG per sheet into folder; throws naming the file on failure.
    // An empty folder path writes nothing.
    void WriteSheets(const std::filesystem::path& folder, const FontSet& fonts) const;

private:
    struct Item {
        std::string label;
        cairo_surface_t* surface;
    };
    std::map<std::string, std::vector<Item>> sheets_;
};

}  // namespace assetgen
