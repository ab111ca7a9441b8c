// AssetOutput: writes the generated files under one root folder and remembers each
// one for the manifest. Any failure to write throws, naming the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace assetgen {

using Bytes = std::vector<uint8_t>;

struct WrittenFile {
    std::string path;     // relative to the root, forward slashes, canonical case
    std::string purpose;  // one line for the manifest
    uint64_t size = 0;
};

class AssetOutput {
public:
    explicit AssetOutput(std::filesystem::path root);

    // Writes bytes to root/path (creating folders); path must be in the catalogue,
    // which gives its purpose. Throws std::runtime_error naming the file when it is
    // not listed or cannot be written completely.
    void Write(const std::string& path, const Bytes& bytes);
    void Write(const std::string& path, const std::string& text);

    // Catalogue paths not written yet.
    std::vector<std::string> Missing() const;

    const std::filesystem::path& Root() const { return root_; }
    const std::vector<WrittenFile>& Files() const { return files_; }
    uint64_t TotalSize() const;

    // The manifest: one line per file (size, path, purpose) and the total.
    std::string Manifest() const;

private:
    std::filesystem::path root_;
    std::vector<WrittenFile> files_;
};

// Writes bytes to an absolute path, throwing with the path on failure.
void WriteFileOrThrow(const std::filesystem::path& file, const void* data, size_t size);

}  // namespace assetgen
