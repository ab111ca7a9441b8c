// Collecting pack entries and writing the pack file.
#include "tools/assetgen/pack_builder.h"

#include <stdexcept>

#include "formats/pack_file.h"
#include "tools/assetgen/asset_catalog.h"

namespace assetgen {

PackBuilder::PackBuilder(std::string path) : path_(std::move(path)) {
    const CatalogEntry* entry = FindInCatalog(path_);
    if (!entry || entry->packEntries <= 0) throw std::runtime_error(path_ + " is not a listed pack file");
    entries_.resize(entry->packEntries);
}

void PackBuilder::Set(GeneratorContext& context, int index, const Canvas& canvas, int jpgQuality) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        throw std::runtime_error(path_ + ": entry " + std::to_string(index) + " is outside the pack");
    }
    entries_[index] = jpgQuality > 0 ? canvas.EncodeJpg(jpgQuality) : canvas.EncodePng();
    const std::string name = path_.substr(path_.find('/') + 1);
    context.preview.Add(name, name + " #" + std::to_string(index), canvas);
}

void PackBuilder::Write(GeneratorContext& context) const {
    std::vector<std::vector<uint8_t>> entries = entries_;
    for (auto& entry : entries) {
        if (entry.empty()) entry = EmptyPng();
    }
    context.out.Write(path_, formats::PackFile::Write(entries));
}

}  // namespace assetgen
