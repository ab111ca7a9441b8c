// Writing generated files and keeping the list for the manifest.
#include "tools/assetgen/asset_output.h"

#include <cstdio>
#include <stdexcept>

#include "tools/assetgen/asset_catalog.h"

namespace assetgen {

void WriteFileOrThrow(const std::filesystem::path& file, const void* data, size_t size) {
    std::error_code error;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        throw std::runtime_error("cannot create the folder of " + file.string() + ": " + error.message());
    }
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot open " + file.string() + " for writing");
    const bool written = size == 0 || std::fwrite(data, 1, size, out) == size;
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) throw std::runtime_error("cannot write " + file.string());
}

AssetOutput::AssetOutput(std::filesystem::path root) : root_(std::move(root)) {}

void AssetOutput::Write(const std::string& path, const Bytes& bytes) {
    const CatalogEntry* entry = FindInCatalog(path);
    if (!entry) throw std::runtime_error(path + " is not in the catalogue of generated files");
    const std::string& purpose = entry->purpose;
    WriteFileOrThrow(root_ / path, bytes.data(), bytes.size());
    for (WrittenFile& file : files_) {
        if (file.path == path) {
            file.purpose = purpose;
            file.size = bytes.size();
            return;
        }
    }
    files_.push_back({path, purpose, bytes.size()});
}

void AssetOutput::Write(const std::string& path, const std::string& text) {
    Write(path, Bytes(text.begin(), text.end()));
}

std::vector<std::string> AssetOutput::Missing() const {
    std::vector<std::string> missing;
    for (const CatalogEntry& entry : Catalog()) {
        bool written = false;
        for (const WrittenFile& file : files_) written = written || file.path == entry.path;
        if (!written) missing.push_back(entry.path);
    }
    return missing;
}

uint64_t AssetOutput::TotalSize() const {
    uint64_t total = 0;
    for (const WrittenFile& file : files_) total += file.size;
    return total;
}

std::string AssetOutput::Manifest() const {
    std::string text = "# Files written by assetgen: size in bytes, path, purpose\n";
    char line[64];
    for (const WrittenFile& file : files_) {
        std::snprintf(line, sizeof line, "%10llu  ", static_cast<unsigned long long>(file.size));
        text += line + file.path + "  " + file.purpose + "\n";
    }
    std::snprintf(line, sizeof line, "%zu files, %llu bytes in all\n", files_.size(),
                  static_cast<unsigned long long>(TotalSize()));
    return text + line;
}

}  // namespace assetgen
