// A button's hit area: an open chain of edges in menu units, each keeping its inside on one side.
#pragma once

#include <vector>

// Starts an edge to the next vertex. insideGreater: the inside lies at greater x (a
// vertical edge) or greater y (any other edge) than this vertex.
struct OutlineVertex {
    double x = 0;
    double y = 0;
    bool insideGreater = false;
};

// The outline every button uses: an axis-aligned rectangle as five vertices, the last
// repeating the first so that the chain is closed.
std::vector<OutlineVertex> RectangleOutline(double left, double top, double right, double bottom);

// True when (x, y) passes every edge strictly. An edge whose ends differ by less than
// 0.05 in x is vertical (a test on x at its first vertex); any other edge is a horizontal
// boundary at the height of its first vertex. The last vertex's flag is never used, and
// a chain whose last vertex does not repeat the first has no closing edge.
bool OutlineContains(const std::vector<OutlineVertex>& outline, double x, double y);
