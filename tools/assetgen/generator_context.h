// What every generator module receives: where to write, the label fonts and the
// contact sheets to add its pictures to.
#pragma once

#include "tools/assetgen/asset_output.h"
#include "tools/assetgen/font_set.h"
#include "tools/assetgen/preview_book.h"

namespace assetgen {

struct GeneratorContext {
    AssetOutput& out;
    const FontSet& fonts;
    PreviewBook& preview;
};

}  // namespace assetgen
