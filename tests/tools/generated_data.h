// The generated data set the assetgen tests look at: the build's bin/ folder when
// the game_data target has filled it, else made once per test process in a
// temporary folder (all modules) and removed at exit.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include "tools/assetgen/asset_output.h"

namespace assetgen_test {

// The folder holding the full generated set (data/, sound/, wdata/, play.url).
const std::filesystem::path& GeneratedRoot();

// Runs the generator with the given modules (all when empty) into a new
// temporary folder and returns it; the caller removes it.
std::filesystem::path GenerateInto(const std::string& name, const std::set<std::string>& only);

assetgen::Bytes ReadBytes(const std::filesystem::path& file);

// A ".x" model read as the engine reads it (assimp with MakeLeftHanded, FlipUVs
// and FlipWindingOrder); a ".ply" collision mesh as the engine's collision loader
// does. Null when assimp refuses the bytes.
const aiScene* ImportModel(Assimp::Importer& importer, const assetgen::Bytes& bytes);
const aiScene* ImportCollision(Assimp::Importer& importer, const assetgen::Bytes& bytes);

}  // namespace assetgen_test
