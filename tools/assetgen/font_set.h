// FontSet: the two faces (regular and bold) of the free serif every label and the
// game's bitmap font are drawn with, open in FreeType and cairo.
#pragma once

#include <string>

#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace assetgen {

class FontSet {
public:
    // Throws std::runtime_error naming the file when a face cannot be opened.
    FontSet(const std::string& regularFile, const std::string& boldFile);
    ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    cairo_font_face_t* Regular() const { return regularCairo_; }
    cairo_font_face_t* Bold() const { return boldCairo_; }
    FT_Face RegularFace() const { return regular_; }
    FT_Face BoldFace() const { return bold_; }
    const std::string& RegularFile() const { return regularFile_; }
    const std::string& BoldFile() const { return boldFile_; }

private:
    std::string regularFile_;
    std::string boldFile_;
    FT_Library library_ = nullptr;
    FT_Face regular_ = nullptr;
    FT_Face bold_ = nullptr;
    cairo_font_face_t* regularCairo_ = nullptr;
    cairo_font_face_t* boldCairo_ = nullptr;
};

}  // namespace assetgen
