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

namespace {
template <typename Match>
int CountPixels(const Picture& picture, int x0, int x1, int y0, int y1, Match match) {
    int count = 0;
    for (int y = y0; y < y1 && y < picture.height; ++y) {
        for (int x = x0; x < x1 && x < picture.width; ++x) {
            if (match(picture.At(x, y))) ++count;
        }
    }
    return count;
}
}  // namespace

int GeneratedGameFolder::YellowPixels(const Picture& picture, int x0, int x1, int y0, int y1) {
    return CountPixels(picture, x0, x1, y0, y1, [](const auto& p) { return p[0] > 150 && p[1] > 150 && p[2] < 100; });
}

int GeneratedGameFolder::WhitePixels(const Picture& picture, int x0, int x1, int y0, int y1) {
    return CountPixels(picture, x0, x1, y0, y1, [](const auto& p) { return p[0] > 150 && p[1] > 150 && p[2] > 150; });
}

}  // namespace test_support
