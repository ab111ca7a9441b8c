// Running the generator for the tests.
#include "generated_data.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

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
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("assetgen-test-" + std::to_string(getpid()) + "-" + name);
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
  static Cleanup cleanup{GenerateInto("full", {})};
  return cleanup.folder;
}

assetgen::Bytes ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return assetgen::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace assetgen_test
