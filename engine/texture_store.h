// TextureStore: the OpenGL textures behind texture handles, made from files or memory.
//
// Filtering follows iTextureMipLevelsSet at creation: 1 gives a single level,
// linear, clamped at the edges (menu pictures, crisp and without seams); 0 a full
// mip chain, repeating (surfaces whose texture coordinates tile); n > 1 at most n levels.
// Only the OpenGL texture and its size are kept, no pixels. The same bytes given to
// CreateFromMemory again, at the same level setting, give the same texture. Block-compressed DDS
// pictures go to OpenGL compressed, with the levels their file holds.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>

#include "engine/engine.h"
#include "engine/handle_pool.h"
#include "engine/image_codec.h"

namespace engine {

struct Texture {
    unsigned id = 0;
    int width = 0, height = 0;
};

class TextureStore {
public:
    TextureStore();
    TextureStore(const TextureStore&) = delete;
    TextureStore& operator=(const TextureStore&) = delete;
    ~TextureStore();

    EngineHandle CreateFromFile(const std::string& programPath);
    EngineHandle CreateFromMemory(std::span<const uint8_t> bytes, const std::string& label);
    EngineHandle CreateFromImage(const Image& image);
    // A file's texture made once and shared by later calls (model materials, sky faces),
    // always with a full repeating mip chain.
    EngineHandle Shared(const std::string& programPath);
    void SetMipLevels(int levels) { mipLevels_ = levels < 0 ? 0 : levels; }
    void ClampEdges(EngineHandle texture);  // no repeating: for pictures that meet at seams

    const Texture* Get(EngineHandle texture) const { return textures_.Get(texture); }
    size_t Count() const { return textures_.Count(); }
    // The texture's OpenGL name, or a plain white texture for 0 and stale handles.
    unsigned GlName(EngineHandle texture) const;

private:
    // A picture's bytes (a 64-bit hash and the length) and the levels it was made with.
    struct ContentKey {
        size_t hash = 0, size = 0;
        int mipLevels = 0;
        bool operator==(const ContentKey&) const = default;
    };
    struct ContentKeyHash {
        size_t operator()(const ContentKey& key) const { return key.hash ^ (key.size << 1) ^ size_t(key.mipLevels); }
    };

    EngineHandle CreateFromBlocks(const Image& image);

    HandlePool<Texture> textures_;
    std::unordered_map<std::string, EngineHandle> shared_;
    std::unordered_map<ContentKey, EngineHandle, ContentKeyHash> byContent_;  // CreateFromMemory's textures
    unsigned white_ = 0;
    int mipLevels_ = 0;
};

}  // namespace engine
