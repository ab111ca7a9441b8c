// VertexStore: a vertex array and its buffer, made and deleted together.
#include "engine/vertex_store.h"

#include <epoxy/gl.h>

namespace engine {

VertexStore::~VertexStore() { Release(); }

void VertexStore::Release() {
    if (array_) glDeleteVertexArrays(1, &array_);
    if (buffer_) glDeleteBuffers(1, &buffer_);
    array_ = buffer_ = 0;
}

void VertexStore::Create() {
    Release();
    glGenVertexArrays(1, &array_);
    glGenBuffers(1, &buffer_);
    Bind();
}

void VertexStore::Bind() const {
    glBindVertexArray(array_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
}

}  // namespace engine
