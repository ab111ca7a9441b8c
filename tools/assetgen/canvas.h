// Canvas: one cairo picture with the drawing helpers the 2D art shares (rounded
// shapes, glossy fills, outlined labels) and its encoding to PNG or JPG.
#pragma once

#include <string>

#include <cairo.h>

#include "tools/assetgen/asset_output.h"

namespace assetgen {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
    Rgba Lighter(double amount) const;  // towards white by amount 0..1
    Rgba Darker(double amount) const;   // towards black by amount 0..1
    Rgba WithAlpha(double alpha) const { return {r, g, b, alpha}; }
};

// 0xRRGGBB, opaque.
Rgba Hex(unsigned rgb);

enum class Align { Left, Centre, Right };

struct TextStyle {
    cairo_font_face_t* face = nullptr;
    double size = 32;  // em size in pixels
    Rgba fill{1, 1, 1, 1};
    Rgba outline{0, 0, 0, 0};  // alpha 0: no outline
    double outlineWidth = 0;   // pixels
    Rgba shadow{0, 0, 0, 0};   // alpha 0: no drop shadow
    double shadowOffset = 0;   // pixels, down and right
    Align align = Align::Centre;
};

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void SetColor(const Rgba& colour) const;
    void RoundedRect(double x, double y, double w, double h, double radius) const;
    // A vertical gradient from top to bottom colour over [y, y + h].
    void FillVertical(double y, double h, const Rgba& top, const Rgba& bottom) const;
    // Text centred vertically on y (the middle of the capitals), aligned on x.
    void Text(const std::string& text, double x, double y, const TextStyle& style) const;
    double TextWidth(const std::string& text, const TextStyle& style) const;
    // The largest size not above style.size at which text fits maxWidth.
    double FitSize(const std::string& text, const TextStyle& style, double maxWidth) const;
    // Paints another canvas scaled into the rectangle.
    void Paint(const Canvas& other, double x, double y, double w, double h, double alpha = 1) const;

    Bytes EncodePng() const;
    Bytes EncodeJpg(int quality) const;

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// A picture that is fully transparent, for pack entries nobody shows.
Bytes EmptyPng();

}  // namespace assetgen
