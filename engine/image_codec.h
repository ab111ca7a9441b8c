// Image decoding (PNG, JPG, uncompressed DDS) to RGBA, and PNG writing, over stb_image.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace engine {

// Block-compressed kinds handed to OpenGL as they are (S3TC).
enum class BlockFormat { None, Dxt1, Dxt3, Dxt5 };

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // rows top first, 4 bytes a pixel; empty for block-compressed images
    BlockFormat blocks = BlockFormat::None;
    std::vector<std::vector<uint8_t>> levels;  // block-compressed: level 0 first, each level half the last
};

// Decodes a whole image file held in memory. DDS: an uncompressed RGB or RGBA
// surface of 16, 24 or 32 bits a pixel described by bit masks (DDPF_RGB, with
// DDPF_ALPHAPIXELS for alpha), its first level only; or a DXT1, DXT3 or DXT5
// surface, kept compressed with every whole mip level the file holds (at least
// the first). Gives nothing, with a reason.
std::optional<Image> DecodeImage(std::span<const uint8_t> bytes, std::string* error);

// Writes RGBA pixels (rows top first) as an RGB PNG at a real path.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba);

// The whole content of a file at a real path; nothing when it cannot be read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string* error);

}  // namespace engine
