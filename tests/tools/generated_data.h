// The generated data set the assetgen tests look at: made once per test run in a
// temporary folder, all modules, and removed at exit.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "tools/assetgen/asset_output.h"

namespace assetgen_test {

// The folder holding the full generated set (data/, sound/, wdata/, play.url).
const std::filesystem::path& GeneratedRoot();

// Runs the generator with the given modules (all when empty) into a new
// temporary folder and returns it; the caller removes it.
std::filesystem::path GenerateInto(const std::string& name, const std::set<std::string>& only);

assetgen::Bytes ReadBytes(const std::filesystem::path& file);

}  // namespace assetgen_test
