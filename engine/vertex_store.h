// VertexStore: one OpenGL vertex array with its one vertex buffer, as the renderers
// use them for their own quads and streamed vertices. Needs the GL context current
// from Create to destruction.
#pragma once

namespace engine {

class VertexStore {
public:
    VertexStore() = default;
    VertexStore(const VertexStore&) = delete;
    VertexStore& operator=(const VertexStore&) = delete;
    ~VertexStore();

    // Makes the array and its buffer and leaves both bound, for the caller to fill
    // the buffer and describe its attributes.
    void Create();
    // Binds the array and its buffer (as the array buffer).
    void Bind() const;

private:
    void Release();

    unsigned array_ = 0, buffer_ = 0;
};

}  // namespace engine
