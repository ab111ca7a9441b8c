// Scratch copies of the generated program folder.
#include "generated_game_folder.h"

#include <cstdlib>
#include <stdexcept>

namespace test_support {

namespace fs = std::filesystem;

GeneratedGameFolder::GeneratedGameFolder() {
    std::string pattern = (fs::temp_directory_path() / "pebbledash-game-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

GeneratedGameFolder::~GeneratedGameFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

bool GeneratedGameFolder::Fill() {
    const char* bin = std::getenv("PEBBLEDASH_BIN");
    const fs::path generated = fs::path(bin ? bin : ".");
    if (!fs::exists(generated / "data" / "sprite.x")) return false;
    fs::copy(generated / "data", path_ / "data", fs::copy_options::recursive);
    if (fs::exists(generated / "sound")) fs::copy(generated / "sound", path_ / "sound", fs::copy_options::recursive);
    fs::remove(path_ / "data" / "settings.dat");
    fs::remove(path_ / "data" / "records.dat");
    return true;
}

int GeneratedGameFolder::YellowPixels(const Picture& picture, int x0, int x1, int y0, int y1) {
    int count = 0;
    for (int y = y0; y < y1 && y < picture.height; ++y) {
        for (int x = x0; x < x1 && x < picture.width; ++x) {
            const auto p = picture.At(x, y);
            if (p[0] > 200 && p[1] > 200 && p[2] < 80) ++count;
        }
    }
    return count;
}

}  // namespace test_support
