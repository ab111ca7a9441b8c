// Decoding pictures and writing PNGs.
#include "engine/image_codec.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <string_view>

namespace engine {
namespace {

constexpr size_t kDdsHeaderSize = 128;  // "DDS " and the 124-byte header
constexpr uint32_t kDdpfAlphaPixels = 0x1;
constexpr uint32_t kDdpfFourCC = 0x4;
constexpr uint32_t kDdpfRgb = 0x40;
constexpr uint32_t kDdsdMipMapCount = 0x20000;
constexpr int kMaxSide = 16384;

uint32_t GetU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// The channel under mask, scaled to 0..255.
uint8_t Channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const uint32_t maximum = mask >> shift;
    return uint8_t(((pixel & mask) >> shift) * 255u / maximum);
}

// A DXT1, DXT3 or DXT5 surface: 4 x 4 pixel blocks of 8 or 16 bytes, level after level.
std::optional<Image> DecodeBlockDds(std::span<const uint8_t> bytes, uint32_t width, uint32_t height,
                                    std::string* error) {
    const std::string_view fourCC(reinterpret_cast<const char*>(bytes.data()) + 4 + 72 + 8, 4);
    Image image{int(width), int(height), {}, BlockFormat::None, {}};
    if (fourCC == "DXT1") image.blocks = BlockFormat::Dxt1;
    if (fourCC == "DXT3") image.blocks = BlockFormat::Dxt3;
    if (fourCC == "DXT5") image.blocks = BlockFormat::Dxt5;
    if (image.blocks == BlockFormat::None) {
        *error = "DDS compression other than DXT1, DXT3 or DXT5";
        return std::nullopt;
    }
    const size_t blockBytes = image.blocks == BlockFormat::Dxt1 ? 8 : 16;
    const uint32_t headerFlags = GetU32(bytes.data() + 8);
    const uint32_t claimedLevels = (headerFlags & kDdsdMipMapCount) ? GetU32(bytes.data() + 28) : 1;
    size_t at = kDdsHeaderSize;
    uint32_t w = width, h = height;
    for (uint32_t level = 0; level < std::max(claimedLevels, 1u); ++level) {
        const size_t size = size_t((w + 3) / 4) * ((h + 3) / 4) * blockBytes;
        if (bytes.size() - at < size) break;
        image.levels.emplace_back(bytes.begin() + std::ptrdiff_t(at), bytes.begin() + std::ptrdiff_t(at + size));
        at += size;
        if (w == 1 && h == 1) break;
        w = std::max(w / 2, 1u);
        h = std::max(h / 2, 1u);
    }
    if (image.levels.empty()) {
        *error = "DDS blocks truncated";
        return std::nullopt;
    }
    return image;
}

std::optional<Image> DecodeDds(std::span<const uint8_t> bytes, std::string* error) {
    if (bytes.size() < kDdsHeaderSize || GetU32(bytes.data() + 4) != 124) {
        *error = "DDS header truncated or damaged";
        return std::nullopt;
    }
    const uint8_t* header = bytes.data() + 4;
    const uint32_t height = GetU32(header + 8), width = GetU32(header + 12);
    const uint8_t* format = header + 72;
    const uint32_t flags = GetU32(format + 4), bitCount = GetU32(format + 12);
    const uint32_t masks[4] = {GetU32(format + 16), GetU32(format + 20), GetU32(format + 24),
                               GetU32(format + 28)};
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
        *error = "DDS size out of range";
        return std::nullopt;
    }
    if (flags & kDdpfFourCC) return DecodeBlockDds(bytes, width, height, error);
    if (!(flags & kDdpfRgb) || (bitCount != 16 && bitCount != 24 && bitCount != 32)) {
        *error = "unknown DDS pixel format";
        return std::nullopt;
    }
    const size_t pixelBytes = bitCount / 8;
    if ((bytes.size() - kDdsHeaderSize) / pixelBytes / width < height) {
        *error = "DDS pixels truncated";
        return std::nullopt;
    }
    Image image{int(width), int(height), std::vector<uint8_t>(size_t(width) * height * 4), BlockFormat::None, {}};
    const uint8_t* source = bytes.data() + kDdsHeaderSize;
    const bool hasAlpha = (flags & kDdpfAlphaPixels) && masks[3] != 0;
    for (size_t i = 0; i < size_t(width) * height; ++i, source += pixelBytes) {
        uint32_t pixel = 0;
        for (size_t b = 0; b < pixelBytes; ++b) pixel |= uint32_t(source[b]) << (8 * b);
        uint8_t* out = &image.rgba[i * 4];
        out[0] = Channel(pixel, masks[0]);
        out[1] = Channel(pixel, masks[1]);
        out[2] = Channel(pixel, masks[2]);
        out[3] = hasAlpha ? Channel(pixel, masks[3]) : 255;
    }
    return image;
}

}  // namespace

std::optional<Image> DecodeImage(std::span<const uint8_t> bytes, std::string* error) {
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), "DDS ", 4) == 0) return DecodeDds(bytes, error);
    if (bytes.empty() || bytes.size() > size_t(INT32_MAX)) {
        *error = bytes.empty() ? "empty image" : "image too large";
        return std::nullopt;
    }
    int width = 0, height = 0, channels = 0;
    // A damaged header may claim a picture of gigabytes: the size is checked before decoding.
    if (!stbi_info_from_memory(bytes.data(), int(bytes.size()), &width, &height, &channels)) {
        *error = stbi_failure_reason() ? stbi_failure_reason() : "not a picture";
        return std::nullopt;
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        *error = "picture size out of range";
        return std::nullopt;
    }
    stbi_uc* pixels = stbi_load_from_memory(bytes.data(), int(bytes.size()), &width, &height, &channels, 4);
    if (!pixels) {
        *error = stbi_failure_reason() ? stbi_failure_reason() : "not a picture";
        return std::nullopt;
    }
    Image image{width, height, std::vector<uint8_t>(pixels, pixels + size_t(width) * height * 4), BlockFormat::None, {}};
    stbi_image_free(pixels);
    return image;
}

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba) {
    if (width <= 0 || height <= 0 || rgba.size() < size_t(width) * height * 4) return false;
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    for (size_t i = 0; i < size_t(width) * height; ++i) std::memcpy(&rgb[i * 3], &rgba[i * 4], 3);
    return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "file not found";
        return std::nullopt;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        *error = "read failed";
        return std::nullopt;
    }
    return bytes;
}

}  // namespace engine
