// Composing whole menu screens from the generated files.
#include "tools/assetgen/screen_mockups.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include <stb_image.h>

#include "formats/pack_file.h"
#include "tools/assetgen/theme.h"

namespace assetgen {

namespace {

Bytes ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read back " + file.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Decodes a PNG or JPG into a canvas (premultiplied for cairo).
std::unique_ptr<Canvas> Decode(const uint8_t* data, size_t size, const std::string& what) {
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &channels, 4);
    if (!pixels) throw std::runtime_error("cannot decode " + what);
    auto canvas = std::make_unique<Canvas>(w, h);
    cairo_surface_flush(canvas->Surface());
    unsigned char* out = cairo_image_surface_get_data(canvas->Surface());
    const int stride = cairo_image_surface_get_stride(canvas->Surface());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const stbi_uc* p = pixels + (static_cast<size_t>(y) * w + x) * 4;
            const uint32_t a = p[3];
            const uint32_t pixel =
                a << 24 | (p[0] * a / 255) << 16 | (p[1] * a / 255) << 8 | (p[2] * a / 255);
            std::memcpy(out + y * stride + x * 4, &pixel, 4);
        }
    }
    cairo_surface_mark_dirty(canvas->Surface());
    stbi_image_free(pixels);
    return canvas;
}

class Mockup {
public:
    explicit Mockup(const std::filesystem::path& root) : root_(root), screen_(1024, 768) {}

    std::unique_ptr<Canvas> Entry(const std::string& pack, int index) {
        const Bytes bytes = ReadFile(root_ / pack);
        formats::PackFile file(bytes);
        const auto entry = file.Entry(static_cast<uint16_t>(index));
        if (!entry) throw std::runtime_error(pack + " has no entry " + std::to_string(index));
        return Decode(entry->data(), entry->size(), pack + " #" + std::to_string(index));
    }
    std::unique_ptr<Canvas> Picture(const std::string& path) {
        const Bytes bytes = ReadFile(root_ / path);
        return Decode(bytes.data(), bytes.size(), path);
    }
    // Places a picture as the screens do: centre and size in menu units.
    void Place(const Canvas& picture, double cx, double cy, double w, double h) {
        screen_.Paint(picture, (cx - w / 2 + 16) * theme::kPixelsPerUnit,
                      (12 - cy - h / 2) * theme::kPixelsPerUnit, w * theme::kPixelsPerUnit,
                      h * theme::kPixelsPerUnit);
    }
    void PlaceEntry(const std::string& pack, int index, double cx, double cy, double w, double h) {
        Place(*Entry(pack, index), cx, cy, w, h);
    }
    // Text as the game prints it, approximated with the label font: left end of the
    // line's middle at (x, y), em size in menu units.
    void Print(const FontSet& fonts, const std::string& text, double x, double y, double size,
               const Rgba& colour) {
        TextStyle style{fonts.Regular(), size * theme::kPixelsPerUnit, colour};
        style.align = Align::Left;
        screen_.Text(text, (x + 16) * theme::kPixelsPerUnit, (12 - y) * theme::kPixelsPerUnit, style);
    }
    const Canvas& Screen() const { return screen_; }

private:
    std::filesystem::path root_;
    Canvas screen_;
};

void MainMenuBase(Mockup& m, int litButton) {
    m.Place(*m.Picture("data/MenuZadnik.jpg"), 0, 0, 32, 24);
    for (int i = 0; i < 6; ++i) {
        m.PlaceEntry("data/MainMenu.dat", 2 * i + (i + 1 == litButton), -9.5, 0.7 - 1.7 * i, 13, 3);
    }
    m.PlaceEntry("data/MainMenu.dat", 14 + (litButton == 7), -11, 3.7, 10, 3);
    m.PlaceEntry("data/MainMenu.dat", 12 + (litButton == 8), -11, 6.0, 10, 5);
}

}  // namespace

void ComposeScreenMockups(GeneratorContext& context) {
    const Rgba yellow{1, 1, 0, 1};
    const Rgba white{1, 1, 1, 1};
    {
        Mockup m(context.out.Root());
        MainMenuBase(m, 2);
        const char* opt = "data/OptMenu.dat";
        m.PlaceEntry("data/Forms.dat", 3, 6.5, -0.7, 20, 18);
        m.PlaceEntry(opt, 0, 6.5, 6.3, 8, 3);
        m.PlaceEntry(opt, 1, 6.5, -1.5, 20, 16);
        m.PlaceEntry(opt, 10, 1.2, 4.0, 12.4, 8.4);
        m.PlaceEntry(opt, 12, 6.7, 4.0, 12, 8);
        m.PlaceEntry(opt, 15, 12.2, 4.0, 12, 8);
        m.PlaceEntry(opt, 38, 6.34, -0.23, 20, 4);
        m.PlaceEntry(opt, 20, 13.04, 1.46, 8, 2);
        m.PlaceEntry(opt, 22, 10.35, -3.04, 8, 2);
        m.PlaceEntry(opt, 20, 12.85, -4.5, 8, 2);
        m.PlaceEntry(opt, 19, 14.43, 0.04, 2, 2);
        m.PlaceEntry(opt, 5, 6.5, -7.0, 8, 4);
        m.Print(context.fonts, "800x600", 12.7 - 0.25 * 7, 0, 0.5, white);
        m.Print(context.fonts, "32", 12.5 - 0.5, -1.6, 0.5, yellow);
        context.preview.Add("Screens", "main menu, options (video)", m.Screen());
    }
    {
        Mockup m(context.out.Root());
        MainMenuBase(m, 2);
        const char* opt = "data/OptMenu.dat";
        m.PlaceEntry("data/Forms.dat", 3, 6.5, -0.7, 20, 18);
        m.PlaceEntry(opt, 0, 6.5, 6.3, 8, 3);
        m.PlaceEntry(opt, 2, 6.5, -1.5, 20, 16);
        m.PlaceEntry(opt, 9, 1.2, 4.0, 12, 8);
        m.PlaceEntry(opt, 12, 6.7, 4.0, 12, 8);
        m.PlaceEntry(opt, 16, 12.2, 4.0, 12.4, 8.4);
        m.PlaceEntry(opt, 30, 8.52, -0.4, 20, 4);
        m.PlaceEntry(opt, 7, 6.5, -7.0, 8, 4);
        const char* keys[6] = {"Up", "Down", "Left", "Right", "Space", "F12"};
        const double ys[6] = {1.1, 0.15, -1.45, -2.75, -4.05, -5.4};
        for (int k = 0; k < 6; ++k) {
            const double len = std::strlen(keys[k]);
            m.Print(context.fonts, keys[k], 10.8 - 0.24 * len, ys[k], 0.4, k == 1 ? white : yellow);
        }
        context.preview.Add("Screens", "main menu, options (controls)", m.Screen());
    }
    {
        Mockup m(context.out.Root());
        MainMenuBase(m, 1);
        m.PlaceEntry("data/Forms.dat", 3, 6.5, -0.7, 20, 18);
        m.PlaceEntry("data/StartGame.dat", 0, 6.5, 6.3, 12, 3);
        m.PlaceEntry("data/StartGame.dat", 10, 6.5, -0.7, 18, 16);
        m.PlaceEntry("data/StartGame.dat", 2, 6.5, -7.4, 8, 4);
        m.PlaceEntry("data/StartGame.dat", 3, 9.45, -7.35, 8, 4);
        m.PlaceEntry("data/StartGame.dat", 5, 3.5, -7.4, 8, 4);
        context.preview.Add("Screens", "main menu, car choice", m.Screen());
    }
    {
        Mockup m(context.out.Root());
        MainMenuBase(m, 1);
        m.PlaceEntry("data/Forms.dat", 3, 6.5, -0.7, 20, 18);
        m.PlaceEntry("data/StartGame.dat", 12, 6.5, 6.3, 14, 3);
        m.PlaceEntry("data/StartGame.dat", 13, 6.5, 2.5, 13, 4);
        m.PlaceEntry("data/StartGame.dat", 16, 6.5, -0.5, 13.4, 4.4);
        m.PlaceEntry("data/StartGame.dat", 17, 6.5, -3.5, 13, 4);
        m.PlaceEntry("data/StartGame.dat", 19, 3.8, -7, 6, 3);
        m.PlaceEntry("data/StartGame.dat", 22, 9.2, -7, 6, 3);
        context.preview.Add("Screens", "main menu, difficulty", m.Screen());
    }
    {
        Mockup m(context.out.Root());
        MainMenuBase(m, 3);
        const char* forms = "data/Forms.dat";
        m.PlaceEntry(forms, 2, 6.5, -0.7, 18, 16);
        m.PlaceEntry(forms, 25, 1.9, 4.0, 8.4, 4.4);
        m.PlaceEntry(forms, 27, 6.5, 4.0, 8, 4);
        m.PlaceEntry(forms, 30, 11.1, 4.0, 8, 4);
        m.PlaceEntry(forms, 20, 2.8, -9.0, 10, 6);
        m.PlaceEntry(forms, 23, 10.0, -9.0, 10, 6);
        for (int r = 1; r <= 10; ++r) {
            char line[40];
            std::snprintf(line, sizeof line, "%10s %6d", "Anonymous", 1100 - 100 * r);
            m.Print(context.fonts, line, 2.7, 1.7 - 0.96 * (r - 1), 0.5, yellow);
        }
        context.preview.Add("Screens", "main menu, high scores", m.Screen());
    }
    {
        Mockup m(context.out.Root());
        MainMenuBase(m, 6);
        m.PlaceEntry("data/Forms.dat", 1, 0, 0, 18, 12);
        m.PlaceEntry("data/Forms.dat", 4, -3, -2.5, 8, 4);
        m.PlaceEntry("data/Forms.dat", 7, 3, -2.5, 8, 4);
        m.Print(context.fonts, "Exit The Game?", -5, 1, 0.65, yellow);
        context.preview.Add("Screens", "exit question", m.Screen());
    }
    {
        Mockup m(context.out.Root());
        m.PlaceEntry("data/Loading.dat", 10, 0, 0, 32, 24);
        m.PlaceEntry("data/Loading.dat", 4, 0, -9.75, 21, 1.8);
        m.PlaceEntry("data/Cursor.dat", 3, 0.7, -0.4, 2.4, 2.0);
        context.preview.Add("Screens", "loading at 50 %, cursor at the centre", m.Screen());
    }
}

}  // namespace assetgen
