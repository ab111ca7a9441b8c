// Cairo drawing helpers and image encoding.
#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <stdexcept>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace assetgen {

Rgba Rgba::Lighter(double amount) const {
    return {r + (1 - r) * amount, g + (1 - g) * amount, b + (1 - b) * amount, a};
}

Rgba Rgba::Darker(double amount) const {
    return {r * (1 - amount), g * (1 - amount), b * (1 - amount), a};
}

Rgba Hex(unsigned rgb) {
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, 1};
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot make a picture of " + std::to_string(width) + " x " +
                                 std::to_string(height));
    }
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::SetColor(const Rgba& colour) const {
    cairo_set_source_rgba(cr_, colour.r, colour.g, colour.b, colour.a);
}

void Canvas::RoundedRect(double x, double y, double w, double h, double radius) const {
    radius = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr_, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr_, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr_, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
}

void Canvas::FillVertical(double y, double h, const Rgba& top, const Rgba& bottom) const {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(pattern, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr_, pattern);
    cairo_fill_preserve(cr_);
    cairo_pattern_destroy(pattern);
    cairo_new_path(cr_);
}

double Canvas::TextWidth(const std::string& text, const TextStyle& style) const {
    cairo_save(cr_);
    cairo_set_font_face(cr_, style.face);
    cairo_set_font_size(cr_, style.size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    cairo_restore(cr_);
    return extents.x_advance;
}

double Canvas::FitSize(const std::string& text, const TextStyle& style, double maxWidth) const {
    const double width = TextWidth(text, style);
    if (width <= maxWidth || width <= 0) return style.size;
    return style.size * maxWidth / width;
}

void Canvas::Text(const std::string& text, double x, double y, const TextStyle& style) const {
    cairo_save(cr_);
    cairo_set_font_face(cr_, style.face);
    cairo_set_font_size(cr_, style.size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    cairo_text_extents_t capitals;
    cairo_text_extents(cr_, "H", &capitals);
    double left = x;
    if (style.align == Align::Centre) left = x - extents.x_advance / 2;
    if (style.align == Align::Right) left = x - extents.x_advance;
    const double baseline = y - capitals.y_bearing / 2;
    if (style.shadow.a > 0) {
        cairo_move_to(cr_, left + style.shadowOffset, baseline + style.shadowOffset);
        cairo_text_path(cr_, text.c_str());
        SetColor(style.shadow);
        if (style.outlineWidth > 0) {
            cairo_set_line_width(cr_, style.outlineWidth * 2);
            cairo_stroke_preserve(cr_);
        }
        cairo_fill(cr_);
    }
    cairo_move_to(cr_, left, baseline);
    cairo_text_path(cr_, text.c_str());
    if (style.outline.a > 0 && style.outlineWidth > 0) {
        SetColor(style.outline);
        cairo_set_line_width(cr_, style.outlineWidth * 2);
        cairo_stroke_preserve(cr_);
    }
    SetColor(style.fill);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void Canvas::Paint(const Canvas& other, double x, double y, double w, double h, double alpha) const {
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_scale(cr_, w / other.Width(), h / other.Height());
    cairo_set_source_surface(cr_, other.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_BEST);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

namespace {

cairo_status_t AppendPng(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<Bytes*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

void AppendJpg(void* context, void* data, int size) {
    auto* bytes = static_cast<Bytes*>(context);
    const auto* begin = static_cast<const uint8_t*>(data);
    bytes->insert(bytes->end(), begin, begin + size);
}

}  // namespace

Bytes Canvas::EncodePng() const {
    cairo_surface_flush(surface_);
    Bytes bytes;
    if (cairo_surface_write_to_png_stream(surface_, AppendPng, &bytes) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot encode a PNG picture");
    }
    return bytes;
}

Bytes Canvas::EncodeJpg(int quality) const {
    cairo_surface_flush(surface_);
    const unsigned char* pixels = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<uint8_t> rgb(static_cast<size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            uint32_t pixel;
            std::copy_n(pixels + y * stride + x * 4, 4, reinterpret_cast<unsigned char*>(&pixel));
            uint8_t* out = &rgb[(static_cast<size_t>(y) * width_ + x) * 3];
            out[0] = (pixel >> 16) & 255;
            out[1] = (pixel >> 8) & 255;
            out[2] = pixel & 255;
        }
    }
    Bytes bytes;
    if (!stbi_write_jpg_to_func(AppendJpg, &bytes, width_, height_, 3, rgb.data(), quality)) {
        throw std::runtime_error("cannot encode a JPG picture");
    }
    return bytes;
}

Bytes EmptyPng() {
    Canvas canvas(4, 4);
    return canvas.EncodePng();
}

}  // namespace assetgen
