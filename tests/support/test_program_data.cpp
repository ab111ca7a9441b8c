// Test data made on the fly: tiny pictures, packs, a font and a sky box.
#include "test_program_data.h"

#include <fstream>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include "formats/pack_file.h"
#include "formats/sky_box_file.h"
#include "formats/wid_font.h"

namespace test_support {

namespace {
void AppendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

// A quad of 1.6 x 1.6 units in the xy plane, centred, texture upright.
constexpr const char* kSpriteX = R"(xof 0303txt 0032
Frame Root {
 FrameTransformMatrix { 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;; }
 Mesh Quad {
  4;
  -0.8;-0.8;0.0;,
  -0.8;0.8;0.0;,
  0.8;0.8;0.0;,
  0.8;-0.8;0.0;;
  2;
  3;0,1,2;,
  3;0,2,3;;
  MeshTextureCoords { 4; 0.0;1.0;, 0.0;0.0;, 1.0;0.0;, 1.0;1.0;; }
  MeshMaterialList { 1; 2; 0, 0;; Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; } }
 }
}
)";

// A font whose every printable glyph is a solid white block half an em wide.
std::vector<uint8_t> BlockFont() {
    formats::WidFont font;
    font.emPixels = 16;
    font.atlasPng = SolidPng(8, 16, {255, 255, 255, 255});
    for (int c = 33; c < 127; ++c) font.glyphs[c] = {0, 0, 8, 16, 0, 0, 8.0f};
    font.glyphs[' '].advance = 8.0f;
    return formats::WriteWidFont(font);
}

// A tenth of a second of silence as a mono 16-bit PCM WAV. The sound library reads a
// file by its header, so the same bytes serve the ".ogg" music files.
std::vector<uint8_t> SilentWav() {
    const uint32_t rate = 22050, dataBytes = rate / 10 * 2;
    const uint32_t fields[] = {36 + dataBytes, 16, 0x00010001, rate, rate * 2, 0x00100002, dataBytes};
    std::vector<uint8_t> wav;
    auto text = [&wav](const char* chars) { wav.insert(wav.end(), chars, chars + 4); };
    auto put = [&wav](uint32_t v) {
        for (int i = 0; i < 4; ++i) wav.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    text("RIFF");
    put(fields[0]);
    text("WAVE");
    text("fmt ");
    for (int i = 1; i < 6; ++i) put(fields[i]);
    text("data");
    put(fields[6]);
    wav.resize(wav.size() + dataBytes, 0);
    return wav;
}

}  // namespace

std::vector<uint8_t> SolidPng(int width, int height, std::array<uint8_t, 4> rgba) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < pixels.size(); i += 4) std::copy(rgba.begin(), rgba.end(), pixels.begin() + i);
    std::vector<uint8_t> png;
    stbi_write_png_to_func(AppendBytes, &png, width, height, 4, pixels.data(), width * 4);
    return png;
}

std::array<uint8_t, 4> LoadingEntryColor(int k) {
    if (k == 10) return {20, 30, 120, 255};
    return {static_cast<uint8_t>(40 + 20 * k), 200, static_cast<uint8_t>(10 * k), 255};
}

std::array<uint8_t, 4> CursorFrameColor(int k) { return {250, static_cast<uint8_t>(20 * k), 250, 255}; }

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    // A new file, never a rewrite: a scratch folder's files may be hard links to the
    // build's generated data, which writing in place would change for every later test.
    std::filesystem::remove(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void WriteStartupData(const std::filesystem::path& root) {
    const auto data = root / "data";
    WriteFile(data / "sprite.x", std::string(kSpriteX));

    std::vector<std::vector<uint8_t>> loading;
    for (int k = 0; k <= 10; ++k) loading.push_back(SolidPng(16, 16, LoadingEntryColor(k)));
    WriteFile(data / "Loading.dat", formats::PackFile::Write(loading));

    std::vector<std::vector<uint8_t>> cursor;
    for (int k = 0; k < 10; ++k) cursor.push_back(SolidPng(8, 8, CursorFrameColor(k)));
    WriteFile(data / "Cursor.dat", formats::PackFile::Write(cursor));

    WriteFile(data / "_fontg" / "Palatino Linotype.wid", BlockFont());

    formats::SkyBoxFile sky;
    for (int face = 0; face < formats::kSkyFaceCount; ++face) {
        const std::string name = std::string("sky_") + formats::SkyFaceName(static_cast<formats::SkyFace>(face)) + ".png";
        sky.faces[face] = name;
        WriteFile(data / name, SolidPng(4, 4, {90, 120, 160, 255}));
    }
    WriteFile(data / "skybox01.sky", formats::WriteSkyBox(sky));

    // The plain pictures of the menus: the main menu's background and the four help pages.
    WriteFile(data / "MenuZadnik.jpg", SolidPng(8, 8, {60, 70, 90, 255}));
    for (int page = 1; page <= 4; ++page) {
        WriteFile(data / ("Over" + std::to_string(page) + ".png"), SolidPng(8, 8, {200, 200, 200, 255}));
    }

    // The pointer's hover and click sounds and the four music tracks of the init phase.
    for (const char* name : {"14.WAV", "15.wav", "musmenu.ogg", "musgame1.ogg", "musgame2.ogg", "musgame3.ogg"}) {
        WriteFile(root / "sound" / name, SilentWav());
    }

    WriteFile(root / "play.url", std::string("[InternetShortcut]\r\nURL=") + kPlayAddress + "\r\n");
}

std::array<uint8_t, 4> Picture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return {0, 0, 0, 0};
    const size_t i = (static_cast<size_t>(y) * width + x) * 4;
    return {rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]};
}

Picture ReadPng(const std::filesystem::path& path) {
    Picture picture;
    int channels = 0;
    stbi_uc* pixels = stbi_load(path.string().c_str(), &picture.width, &picture.height, &channels, 4);
    if (!pixels) return {};
    picture.rgba.assign(pixels, pixels + static_cast<size_t>(picture.width) * picture.height * 4);
    stbi_image_free(pixels);
    return picture;
}

}  // namespace test_support
