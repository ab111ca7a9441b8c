// Contact sheets: each picture scaled into a grid cell over a chequered ground,
// with its label underneath.
#include "tools/assetgen/preview_book.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

PreviewBook::~PreviewBook() {
    for (auto& [name, items] : sheets_) {
        for (Item& item : items) cairo_surface_destroy(item.surface);
    }
}

void PreviewBook::Add(const std::string& sheet, const std::string& label, const Canvas& canvas) {
    sheets_[sheet].push_back({label, cairo_surface_reference(canvas.Surface())});
}

void PreviewBook::WriteSheets(const std::filesystem::path& folder, const FontSet& fonts) const {
    if (folder.empty()) return;
    const int labelHeight = 22;
    for (const auto& [name, items] : sheets_) {
        // Sheets of large pictures get large cells, so the pictures can be judged.
        int largest = 0;
        for (const Item& item : items)
            largest = std::max(largest, cairo_image_surface_get_width(item.surface));
        const int cell = largest > 400 ? 640 : 256;
        const int columns = std::min<int>(cell > 256 ? 3 : 6, static_cast<int>(items.size()));
        const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
        Canvas sheet(columns * cell, rows * (cell + labelHeight) + 40);
        cairo_t* cr = sheet.Cr();
        sheet.SetColor(Hex(0x505464));
        cairo_paint(cr);
        TextStyle title{fonts.Bold(), 24, {1, 1, 1, 1}};
        title.align = Align::Left;
        sheet.Text(name, 10, 20, title);
        for (size_t i = 0; i < items.size(); ++i) {
            const double x = (i % columns) * cell;
            const double y = 40 + (i / columns) * (cell + labelHeight);
            for (int cy = 0; cy < cell; cy += 16) {
                for (int cx = 0; cx < cell; cx += 16) {
                    cairo_rectangle(cr, x + cx, y + cy, 16, 16);
                    sheet.SetColor(((cx + cy) / 16) % 2 ? Hex(0x9A9AA4) : Hex(0xC4C4CC));
                    cairo_fill(cr);
                }
            }
            const double w = cairo_image_surface_get_width(items[i].surface);
            const double h = cairo_image_surface_get_height(items[i].surface);
            const double scale = std::min((cell - 8) / w, (cell - 8) / h);
            cairo_save(cr);
            cairo_translate(cr, x + (cell - w * scale) / 2, y + (cell - h * scale) / 2);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, items[i].surface, 0, 0);
            cairo_paint(cr);
            cairo_restore(cr);
            TextStyle label{fonts.Regular(), 15, {1, 1, 1, 1}};
            label.size = sheet.FitSize(items[i].label, label, cell - 8);
            sheet.Text(items[i].label, x + cell / 2.0, y + cell + labelHeight / 2.0, label);
        }
        std::string file = name;
        std::replace(file.begin(), file.end(), ' ', '_');
        std::replace(file.begin(), file.end(), '/', '_');
        const Bytes png = sheet.EncodePng();
        WriteFileOrThrow(folder / (file + ".png"), png.data(), png.size());
    }
}

}  // namespace assetgen
