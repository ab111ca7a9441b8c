// Compiling and linking GLSL programs.
#include "engine/shader_program.h"

#include <epoxy/gl.h>

namespace engine {
namespace {

std::string InfoLog(unsigned object, bool isProgram) {
    GLint length = 0;
    if (isProgram) glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    else glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    std::string log(size_t(length > 0 ? length : 1), '\0');
    if (isProgram) glGetProgramInfoLog(object, length, nullptr, log.data());
    else glGetShaderInfoLog(object, length, nullptr, log.data());
    return log.c_str();
}

unsigned Compile(GLenum kind, const char* source, std::string* error) {
    const unsigned shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        *error = InfoLog(shader, false);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

}  // namespace

ShaderProgram::~ShaderProgram() {
    if (program_) glDeleteProgram(program_);
}

bool ShaderProgram::Build(const char* vertexSource, const char* fragmentSource, std::string* error) {
    const unsigned vertex = Compile(GL_VERTEX_SHADER, vertexSource, error);
    if (!vertex) return false;
    const unsigned fragment = Compile(GL_FRAGMENT_SHADER, fragmentSource, error);
    if (!fragment) {
        glDeleteShader(vertex);
        return false;
    }
    program_ = glCreateProgram();
    glAttachShader(program_, vertex);
    glAttachShader(program_, fragment);
    glBindAttribLocation(program_, kAttributePosition, "aPosition");
    glBindAttribLocation(program_, kAttributeNormal, "aNormal");
    glBindAttribLocation(program_, kAttributeTexCoord, "aTexCoord");
    glLinkProgram(program_);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = 0;
    glGetProgramiv(program_, GL_LINK_STATUS, &ok);
    if (!ok) {
        *error = InfoLog(program_, true);
        glDeleteProgram(program_);
        program_ = 0;
        return false;
    }
    return true;
}

void ShaderProgram::Use() const { glUseProgram(program_); }

int ShaderProgram::Uniform(const char* name) {
    auto found = uniforms_.find(name);
    if (found != uniforms_.end()) return found->second;
    const int location = program_ ? glGetUniformLocation(program_, name) : -1;
    uniforms_.emplace(name, location);
    return location;
}

void ShaderProgram::SetMatrix(const char* name, const float* columnMajor16) {
    glUniformMatrix4fv(Uniform(name), 1, GL_FALSE, columnMajor16);
}

}  // namespace engine
