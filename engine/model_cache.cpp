// Uploading models and sharing them between meshes.
#include "engine/model_cache.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>

#include "engine/engine_log.h"
#include "engine/image_codec.h"
#include "engine/math3d.h"
#include "engine/model_import_process.h"
#include "engine/model_loader.h"
#include "engine/shader_program.h"
#include "engine/texture_store.h"
#include "platform/platform.h"

namespace engine {
namespace {

// The program-path folder of a program path ("data\\cars\\a.x" -> "data\\cars\\").
std::string FolderOf(const std::string& programPath) {
    const size_t slash = programPath.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
}


void BoundingSphere(const std::vector<float>& vertices, ModelPart* part) {
    const int stride = ModelLoader::kFloatsPerVertex;
    if (vertices.empty()) return;
    Vec3 low{vertices[0], vertices[1], vertices[2]}, high = low;
    for (size_t i = 0; i < vertices.size(); i += stride) {
        low = {std::min(low.x, vertices[i]), std::min(low.y, vertices[i + 1]), std::min(low.z, vertices[i + 2])};
        high = {std::max(high.x, vertices[i]), std::max(high.y, vertices[i + 1]), std::max(high.z, vertices[i + 2])};
    }
    part->centre = Mul(Add(low, high), 0.5f);
    float radius = 0;
    for (size_t i = 0; i < vertices.size(); i += stride) {
        radius = std::max(radius, Length(Sub({vertices[i], vertices[i + 1], vertices[i + 2]}, part->centre)));
    }
    part->radius = radius;
}

ModelPart Upload(const ModelPartData& data) {
    ModelPart part;
    std::copy(std::begin(data.diffuse), std::end(data.diffuse), part.diffuse);
    part.lit = data.hasNormals;
    part.indexCount = int(data.indices.size());
    BoundingSphere(data.vertices, &part);
    glGenVertexArrays(1, &part.vertexArray);
    glBindVertexArray(part.vertexArray);
    glGenBuffers(1, &part.vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, part.vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(data.vertices.size() * sizeof(float)), data.vertices.data(),
                 GL_STATIC_DRAW);
    glGenBuffers(1, &part.indexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, part.indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(data.indices.size() * sizeof(uint32_t)), data.indices.data(),
                 GL_STATIC_DRAW);
    const GLsizei stride = ModelLoader::kFloatsPerVertex * sizeof(float);
    glEnableVertexAttribArray(kAttributePosition);
    glVertexAttribPointer(kAttributePosition, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    glEnableVertexAttribArray(kAttributeNormal);
    glVertexAttribPointer(kAttributeNormal, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(3 * sizeof(float)));
    glEnableVertexAttribArray(kAttributeTexCoord);
    glVertexAttribPointer(kAttributeTexCoord, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(6 * sizeof(float)));
    glBindVertexArray(0);
    return part;
}

}  // namespace

Model::~Model() {
    for (ModelPart& part : parts) {
        glDeleteVertexArrays(1, &part.vertexArray);
        glDeleteBuffers(1, &part.vertexBuffer);
        glDeleteBuffers(1, &part.indexBuffer);
    }
}

std::shared_ptr<const Model> ModelCache::Get(const std::string& programPath, TextureStore& textures) {
    const std::string key = platform::ResolvePath(programPath);
    auto found = models_.find(key);
    if (found != models_.end()) return found->second;
    std::string error;
    const auto bytes = ReadWholeFile(platform::ResolvePath(programPath), &error);
    const auto data = bytes ? ModelImportProcess::Decode(*bytes, FolderOf(programPath), &error) : std::nullopt;
    if (!data) {
        // A file that cannot be read is tried and reported once per opening.
        EngineLog::CannotLoad(programPath, error);
        models_.emplace(key, nullptr);
        return nullptr;
    }
    auto model = std::make_shared<Model>();
    for (const ModelPartData& partData : *data) {
        model->parts.push_back(Upload(partData));
        if (!partData.textureFile.empty()) model->parts.back().texture = textures.Shared(partData.textureFile);
    }
    models_.emplace(key, model);
    return model;
}

std::shared_ptr<const Model> ModelCache::Preload(const std::string& programPath, TextureStore& textures) {
    if (!platform::FileExists(platform::ResolvePath(programPath))) return nullptr;
    return Get(programPath, textures);
}

}  // namespace engine
