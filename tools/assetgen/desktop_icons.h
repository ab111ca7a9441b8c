// The desktop's icons of the game, for the install: not game data, so not in the catalogue.
#pragma once

#include <filesystem>
#include <vector>

namespace assetgen {

// The hicolor sizes written, in pixels: 16, 32, 48, 64, 128, 256.
const std::vector<int>& DesktopIconSizes();

// Writes folder/hicolor/NxN/apps/pebbledash.png at every size (folders made as needed).
// Throws std::runtime_error naming the file when one cannot be written.
void WriteDesktopIcons(const std::filesystem::path& folder);

}  // namespace assetgen
