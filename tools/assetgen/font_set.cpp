// Opening the label fonts once for the whole run.
#include "tools/assetgen/font_set.h"

#include <stdexcept>

#include <cairo-ft.h>

namespace assetgen {

namespace {

FT_Face OpenFace(FT_Library library, const std::string& file) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.c_str(), 0, &face) != 0) {
        throw std::runtime_error("cannot open the font " + file);
    }
    return face;
}

}  // namespace

FontSet::FontSet(const std::string& regularFile, const std::string& boldFile) : regularFile_(regularFile), boldFile_(boldFile) {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot start FreeType");
    regular_ = OpenFace(library_, regularFile);
    bold_ = OpenFace(library_, boldFile);
    regularCairo_ = cairo_ft_font_face_create_for_ft_face(regular_, 0);
    boldCairo_ = cairo_ft_font_face_create_for_ft_face(bold_, 0);
}

FontSet::~FontSet() {
    cairo_font_face_destroy(regularCairo_);
    cairo_font_face_destroy(boldCairo_);
    FT_Done_Face(regular_);
    FT_Done_Face(bold_);
    FT_Done_FreeType(library_);
}

}  // namespace assetgen
