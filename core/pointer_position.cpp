// Converting the system or engine pointer into menu space.
#include "core/pointer_position.h"

#include <cmath>

#include "core/saved_files.h"
#include "engine/engine.h"

MenuPoint FullScreenPointer(long double fractionX, long double fractionY) {
    return {fractionX * 32 - 16, 12 - fractionY * 24};
}

std::optional<MenuPoint> WindowedPointer(platform::Point pointer, platform::Rect window, int captionHeight) {
    const long double left = window.left, right = window.right;
    const long double top = static_cast<long double>(window.top) + captionHeight;
    const long double bottom = window.bottom;
    if (pointer.x < left || pointer.x > right || pointer.y < top || pointer.y > bottom) return std::nullopt;
    const long double width = std::fabs(right - left);
    const long double height = std::fabs(bottom - top);
    if (width == 0 || height == 0) return std::nullopt;
    return MenuPoint{(pointer.x - left) / width * 32 - 16, 12 - (pointer.y - top) / height * 24};
}

std::optional<MenuPoint> ReadMenuPointer() {
    if (Saved.settings.windowed != 1) return FullScreenPointer(iMouseX(), iMouseY());
    const platform::Rect window = platform::GetWindowRect(platform::FindWindow("Pebbledash"));
    const auto point = WindowedPointer(platform::CursorPosition(), window, platform::CaptionHeight());
    platform::ShowSystemPointer(!point.has_value());
    return point;
}
