// Hit-testing of button outlines.
#include "menus/outline_vertex.h"

#include <cmath>

namespace {
// Ends closer than this in x make a vertical edge.
constexpr double kVerticalTolerance = 0.05;
}  // namespace

std::vector<OutlineVertex> RectangleOutline(double left, double top, double right, double bottom) {
    return {{left, top, false}, {right, top, false}, {right, bottom, true}, {left, bottom, true}, {left, top, false}};
}

bool OutlineContains(const std::vector<OutlineVertex>& outline, double x, double y) {
    for (size_t i = 0; i + 1 < outline.size(); ++i) {
        const OutlineVertex& from = outline[i];
        const OutlineVertex& to = outline[i + 1];
        const bool vertical = std::fabs(from.x - to.x) < kVerticalTolerance;
        const double value = vertical ? x : y;
        const double edge = vertical ? from.x : from.y;
        const bool passes = from.insideGreater ? value > edge : value < edge;
        if (!passes) return false;
    }
    return true;
}
