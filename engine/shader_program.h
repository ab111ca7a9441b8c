// ShaderProgram: one linked GLSL program and its uniform locations.
#pragma once

#include <string>
#include <unordered_map>

namespace engine {

// Vertex attribute slots shared by every vertex layout of the engine.
enum VertexAttribute { kAttributePosition = 0, kAttributeNormal = 1, kAttributeTexCoord = 2 };

class ShaderProgram {
public:
    ShaderProgram() = default;
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;
    ~ShaderProgram();

    // Compiles and links; false with the compiler's message in *error.
    bool Build(const char* vertexSource, const char* fragmentSource, std::string* error);
    void Use() const;
    int Uniform(const char* name);  // -1 when the program has no such uniform
    void SetMatrix(const char* name, const float* columnMajor16);  // a mat4 uniform

private:
    unsigned program_ = 0;
    std::unordered_map<std::string, int> uniforms_;
};

}  // namespace engine
