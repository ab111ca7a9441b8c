// Textures: decoding, uploading and filtering.
#include "engine/texture_store.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <string_view>

#include "engine/engine_log.h"
#include "platform/platform.h"

namespace engine {

TextureStore::TextureStore() : textures_(HandleFamily::Texture) {
    const uint8_t white[4] = {255, 255, 255, 255};
    glGenTextures(1, &white_);
    glBindTexture(GL_TEXTURE_2D, white_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

TextureStore::~TextureStore() {
    textures_.ForEach([](EngineHandle, Texture& texture) { glDeleteTextures(1, &texture.id); });
    glDeleteTextures(1, &white_);
}

EngineHandle TextureStore::CreateFromFile(const std::string& programPath) {
    std::string error;
    const auto bytes = ReadWholeFile(platform::ResolvePath(programPath), &error);
    if (!bytes) {
        EngineLog::CannotLoad(programPath, error);
        return 0;
    }
    return CreateFromMemory(*bytes, programPath);
}

EngineHandle TextureStore::CreateFromMemory(std::span<const uint8_t> bytes, const std::string& label) {
    // Textures live until the engine closes and only their edges are ever changed (font
    // atlases, sky faces), so the same picture asked for again with the same levels is the
    // same texture: the menus ask for some pictures a dozen times.
    const ContentKey key{std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                                                         bytes.size())),
                         bytes.size(), mipLevels_};
    auto found = byContent_.find(key);
    if (found != byContent_.end() && textures_.Get(found->second)) return found->second;
    std::string error;
    const auto image = DecodeImage(bytes, &error);
    if (!image) {
        EngineLog::CannotLoad(label, error);
        return 0;
    }
    const EngineHandle handle = CreateFromImage(*image);
    if (handle) byContent_[key] = handle;
    return handle;
}

EngineHandle TextureStore::CreateFromImage(const Image& image) {
    if (image.blocks != BlockFormat::None) return CreateFromBlocks(image);
    Texture texture{0, image.width, image.height};
    glGenTextures(1, &texture.id);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.rgba.data());
    const bool mipmapped = mipLevels_ != 1;
    const GLint wrap = mipmapped ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    if (mipLevels_ > 1) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, mipLevels_ - 1);
    if (mipLevels_ == 1) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    if (mipmapped) glGenerateMipmap(GL_TEXTURE_2D);
    const EngineHandle handle = textures_.Add(texture);
    if (!handle) glDeleteTextures(1, &texture.id);
    return handle;
}

EngineHandle TextureStore::CreateFromBlocks(const Image& image) {
    const GLenum format = image.blocks == BlockFormat::Dxt1   ? GL_COMPRESSED_RGBA_S3TC_DXT1_EXT
                          : image.blocks == BlockFormat::Dxt3 ? GL_COMPRESSED_RGBA_S3TC_DXT3_EXT
                                                              : GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;
    // The file's own levels are used, as many as the setting allows; no chain is made here.
    const size_t levels = mipLevels_ == 0 ? image.levels.size() : std::min(image.levels.size(), size_t(mipLevels_));
    Texture texture{0, image.width, image.height};
    glGetError();
    glGenTextures(1, &texture.id);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    int width = image.width, height = image.height;
    for (size_t level = 0; level < levels; ++level) {
        glCompressedTexImage2D(GL_TEXTURE_2D, GLint(level), format, width, height, 0, GLsizei(image.levels[level].size()),
                               image.levels[level].data());
        width = std::max(width / 2, 1);
        height = std::max(height / 2, 1);
    }
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &texture.id);
        EngineLog::Write("the OpenGL driver refused a block-compressed (DXT) picture");
        return 0;
    }
    const GLint wrap = mipLevels_ != 1 ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, levels > 1 ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(levels) - 1);
    const EngineHandle handle = textures_.Add(texture);
    if (!handle) glDeleteTextures(1, &texture.id);
    return handle;
}

EngineHandle TextureStore::Shared(const std::string& programPath) {
    const std::string key = platform::ResolvePath(programPath);
    auto found = shared_.find(key);
    if (found != shared_.end()) return found->second;
    // Model surfaces tile and are seen at every distance: always a full, repeating
    // mip chain, whatever the setting for the program's own pictures is.
    const int programLevels = mipLevels_;
    mipLevels_ = 0;
    const EngineHandle handle = CreateFromFile(programPath);
    mipLevels_ = programLevels;
    shared_.emplace(key, handle);
    return handle;
}

void TextureStore::ClampEdges(EngineHandle texture) {
    const Texture* found = textures_.Get(texture);
    if (!found) return;
    glBindTexture(GL_TEXTURE_2D, found->id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

unsigned TextureStore::GlName(EngineHandle texture) const {
    const Texture* found = textures_.Get(texture);
    return found ? found->id : white_;
}

}  // namespace engine
