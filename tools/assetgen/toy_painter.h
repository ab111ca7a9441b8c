// Motifs shared by the pictures: the room, the table, toy cars, the game's title,
// road pieces. Each paints onto a Canvas in pixel coordinates.
#pragma once

#include <string>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/font_set.h"

namespace assetgen {

// Striped wallpaper with a skirting board along the bottom of the rectangle.
void PaintWall(const Canvas& canvas, double x, double y, double w, double h);

// Wood grain over the rectangle (seeded, so the same seed gives the same grain).
void PaintWood(const Canvas& canvas, double x, double y, double w, double h, unsigned seed);

// A cartoon toy car seen from the side, centred at (cx, cy) (the middle of the
// body), length pixels long, nose to the right unless facingLeft.
void PaintToyCar(const Canvas& canvas, double cx, double cy, double length, const Rgba& body,
                 bool facingLeft = false);

// The game's name in chunky outlined letters, centred at (cx, cy).
void PaintTitle(const Canvas& canvas, const FontSet& fonts, const std::string& text, double cx, double cy,
                double size);

// A stretch of toy road following a cubic curve, with kerbs, width pixels wide.
void PaintRoad(const Canvas& canvas, double x0, double y0, double x1, double y1, double x2, double y2,
               double x3, double y3, double width);

// A chequered flag square grid over the rectangle.
void PaintChequer(const Canvas& canvas, double x, double y, double w, double h, int columns, int rows);

// The table scene used behind the loading screen and the menus: a room wall, a
// wooden table top in perspective with a road and toy cars. title empty: none.
void PaintTableScene(const Canvas& canvas, const FontSet& fonts, bool withTitle);

}  // namespace assetgen
