// PackBuilder: the entries of one image pack file, written through the pack
// format's writer once every entry the catalogue counts is there.
#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/generator_context.h"

namespace assetgen {

class PackBuilder {
public:
    // path: the catalogue path of the pack ("data/Forms.dat").
    explicit PackBuilder(std::string path);

    // Stores the picture as entry index (PNG, or JPG when jpgQuality > 0) and adds it
    // to the preview sheet of the pack.
    void Set(GeneratorContext& context, int index, const Canvas& canvas, int jpgQuality = 0);
    // Writes the pack. Entries never set are empty transparent pictures. Throws when
    // the pack's entry count differs from the catalogue's.
    void Write(GeneratorContext& context) const;

private:
    std::string path_;
    std::vector<Bytes> entries_;
};

}  // namespace assetgen
