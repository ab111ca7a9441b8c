// Running the generator for the tests.
#include "generated_data.h"

#include <cstdlib>
#include <stdexcept>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include <assimp/postprocess.h>

#include "tools/assetgen/generator_run.h"

namespace assetgen_test {

namespace {

struct Cleanup {
    std::filesystem::path folder;
    ~Cleanup() {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
};

}  // namespace

std::filesystem::path GenerateInto(const std::string& name, const std::set<std::string>& only) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("assetgen-test-" + std::to_string(getpid()) + "-" + name);
    std::filesystem::remove_all(folder);
    assetgen::GeneratorOptions options;
    options.out = folder.string();
    options.font = ASSETGEN_TEST_FONT;
    options.boldFont = ASSETGEN_TEST_BOLD_FONT;
    options.publisherUrl = "https://pebbledash.example.org";
    options.only = only;
    assetgen::RunGenerator(options);
    return folder;
}

const std::filesystem::path& GeneratedRoot() {
    // The build's own set (bin/, written by the game_data target with the same
    // generator) when it is there: CTest runs each case in its own process.
    static const std::filesystem::path built = [] {
        const char* bin = std::getenv("PEBBLEDASH_BIN");
        if (!bin || !std::filesystem::exists(std::filesystem::path(bin) / "data/sprite.x")) {
            return std::filesystem::path();
        }
        return std::filesystem::path(bin);
    }();
    if (!built.empty()) return built;
    // Otherwise generated once per process; a failure is reported to every test
    // that needs the set without generating again.
    static std::string failure;
    static Cleanup cleanup{[] {
        try {
            return GenerateInto("full", {});
        } catch (const std::exception& error) {
            failure = error.what();
            return std::filesystem::path();
        }
    }()};
    if (!failure.empty()) throw std::runtime_error("generation failed: " + failure);
    return cleanup.folder;
}

assetgen::Bytes ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return assetgen::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const aiScene* ImportModel(Assimp::Importer& importer, const assetgen::Bytes& bytes) {
    return importer.ReadFileFromMemory(
        bytes.data(), bytes.size(),
        aiProcess_Triangulate | aiProcess_MakeLeftHanded | aiProcess_FlipUVs | aiProcess_FlipWindingOrder, "x");
}

const aiScene* ImportCollision(Assimp::Importer& importer, const assetgen::Bytes& bytes) {
    return importer.ReadFileFromMemory(
        bytes.data(), bytes.size(),
        aiProcess_Triangulate | aiProcess_PreTransformVertices | aiProcess_JoinIdenticalVertices, "ply");
}

}  // namespace assetgen_test
