// The desktop's icons of the game: the red toy car on a wooden tile, at the hicolor sizes.
#include "tools/assetgen/desktop_icons.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/theme.h"
#include "tools/assetgen/toy_painter.h"

namespace assetgen {

namespace {

// One icon drawn at its own size, so the small ones stay sharp: a rounded wooden tile
// (grain from 64 pixels up, where it reads as wood and not as noise) and the game's
// toy car across it, nose to the right, as on the window's icon.
Bytes PaintIcon(int size) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.Cr();
    const double s = size;
    const double inset = std::max(0.5, s * 0.03);
    const double tile = s - 2 * inset;
    canvas.RoundedRect(inset, inset, tile, tile, s * 0.18);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    canvas.FillVertical(inset, tile, theme::kWoodLight.Lighter(0.12), theme::kWoodDark);
    if (size >= 64) PaintWood(canvas, inset, s * 0.62, tile, s * 0.38, 11);
    cairo_restore(cr);
    canvas.RoundedRect(inset, inset, tile, tile, s * 0.18);
    canvas.SetColor(theme::kInk);
    cairo_set_line_width(cr, std::max(1.0, s * 0.025));
    cairo_stroke(cr);
    PaintToyCar(canvas, s * 0.5, s * 0.58, s * 0.82, theme::kRed);
    return canvas.EncodePng();
}

}  // namespace

const std::vector<int>& DesktopIconSizes() {
    static const std::vector<int> sizes = {16, 32, 48, 64, 128, 256};
    return sizes;
}

void WriteDesktopIcons(const std::filesystem::path& folder) {
    for (const int size : DesktopIconSizes()) {
        const std::string edge = std::to_string(size);
        const Bytes png = PaintIcon(size);
        const std::filesystem::path file = folder / "hicolor" / (edge + "x" + edge) / "apps" / "pebbledash.png";
        std::filesystem::create_directories(file.parent_path());
        WriteFileOrThrow(file, png.data(), png.size());
    }
}

}  // namespace assetgen
