// The window's icon, drawn in code: a red toy car seen from the side on a clear background.
#include <cmath>

#include "platform/platform_local.h"

namespace platform {

std::vector<uint32_t> GameIconPixels(int& width, int& height)
{
    width = height = 32;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0);
    // Pixels are bytes R, G, B, A in memory order.
    auto put = [&](int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        auto* p = reinterpret_cast<uint8_t*>(&pixels[static_cast<size_t>(y) * width + x]);
        p[0] = r, p[1] = g, p[2] = b, p[3] = 255;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool body = y >= 14 && y <= 22 && x >= 2 && x <= 29;
            const bool cabin = y >= 7 && y < 14 && x >= 9 && x <= 22 && (x - 9) + (14 - y) > 2 && (22 - x) + (14 - y) > 2;
            const bool window = cabin && y >= 9 && x >= 12 && x <= 19;
            if (window) put(x, y, 170, 220, 255);
            else if (cabin || body) put(x, y, 220, 40, 40);
        }
    }
    for (const int cx : {8, 23}) {
        for (int y = 18; y < 32; ++y) {
            for (int x = cx - 6; x <= cx + 6; ++x) {
                const double d = std::hypot(x - cx, y - 24);
                if (d <= 2) put(x, y, 200, 200, 200);
                else if (d <= 5.5) put(x, y, 30, 30, 30);
            }
        }
    }
    return pixels;
}

}  // namespace platform
