// The window's size factor for dense displays.
#include "engine/window_scale.h"

#include <algorithm>
#include <cmath>

namespace engine {

float WindowScale(float dpi, int usableWidth, int usableHeight, int captionHeight) {
    constexpr float kStep = 0.25f;
    const float wanted = std::isfinite(dpi) && dpi > 0 ? dpi / 96.0f : 1.0f;
    float scale = std::max(1.0f, std::floor(wanted / kStep + 0.5f) * kStep);
    const auto fits = [&](float s) {
        return 800 * s <= float(usableWidth) && 600 * s + float(captionHeight) <= float(usableHeight);
    };
    while (scale > 1.0f && !fits(scale)) scale -= kStep;
    return std::max(scale, 1.0f);
}

}  // namespace engine
