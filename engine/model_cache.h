// ModelCache: models uploaded to OpenGL once per file and shared by every mesh and sprite made from it.
//
// A model keeps only its buffers, each part's material and a bounding sphere.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/engine.h"

namespace engine {

class TextureStore;

struct ModelPart {
    unsigned vertexArray = 0, vertexBuffer = 0, indexBuffer = 0;
    int indexCount = 0;
    float diffuse[4] = {1, 1, 1, 1};
    EngineHandle texture = 0;  // the material's picture, or 0
    bool lit = false;          // the part has normals
    Vec3 centre;               // bounding sphere in model space
    float radius = 0;
};

class Model {
public:
    Model() = default;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;
    ~Model();

    std::vector<ModelPart> parts;
};

class ModelCache {
public:
    // The model of a file, loaded on first use; nullptr (and a log line) when it cannot be read.
    std::shared_ptr<const Model> Get(const std::string& programPath, TextureStore& textures);
    // Reads a model ahead of its first use, as Get. A file that is not there is left for that
    // use to report, so reading ahead logs nothing the game would not log anyway, at the moment
    // it would (a start-up with only the start-up's files names no race model).
    std::shared_ptr<const Model> Preload(const std::string& programPath, TextureStore& textures);
    void Clear() { models_.clear(); }
    size_t Count() const { return models_.size(); }

private:
    std::unordered_map<std::string, std::shared_ptr<const Model>> models_;
};

}  // namespace engine
