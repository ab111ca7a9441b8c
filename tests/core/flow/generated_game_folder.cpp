// Scratch copies of the generated program folder.
#include "generated_game_folder.h"

#include <cstdlib>

namespace test_support {

namespace fs = std::filesystem;

bool GeneratedGameFolder::Fill() {
    const char* bin = std::getenv("PEBBLEDASH_BIN");
    const fs::path generated = fs::path(bin ? bin : ".");
    if (!fs::exists(generated / "data" / "sprite.x")) return false;
    for (const char* folder : {"data", "sound"}) {
        if (!fs::exists(generated / folder)) continue;
        std::error_code linked;
        fs::copy(generated / folder, Path() / folder, fs::copy_options::recursive | fs::copy_options::create_hard_links,
                 linked);
        if (linked) {
            fs::remove_all(Path() / folder);
            fs::copy(generated / folder, Path() / folder, fs::copy_options::recursive);
        }
    }
    // Unlinked, not written: the build's own saved files stay as they are.
    fs::remove(Path() / "data" / "settings.dat");
    fs::remove(Path() / "data" / "records.dat");
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
