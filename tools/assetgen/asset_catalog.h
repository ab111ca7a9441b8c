// The catalogue: every file the generator writes and the game (or a model that the
// game loads) reads, with its purpose; for pack files, how many entries they hold.
// The generator refuses to write a file that is not listed here and fails when a
// listed file was not written; the manifest and the tests read the same list.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

struct CatalogEntry {
    std::string path;  // relative to the executable's folder, forward slashes
    std::string purpose;
    int packEntries = 0;  // image pack files: the number of entries; 0 otherwise
};

const std::vector<CatalogEntry>& Catalog();

// The entry for path, or nullptr.
const CatalogEntry* FindInCatalog(const std::string& path);

// The canonical catalogue path of a path as the game writes it ("data\Sprite.x"):
// backslashes become slashes and the case of each component is taken from the
// catalogue when one entry matches it case-insensitively. Empty when none does.
std::string CanonicalPath(const std::string& gamePath);

// The names of the five car colours in model order 1..5 ("Black" .. "Yellow").
extern const char* const kCarColourNames[5];

// The pickup model names in kind order 1..5 ("P50" .. "Action").
extern const char* const kPickupModelNames[5];

}  // namespace assetgen
