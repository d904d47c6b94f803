#include "render/VertexArrays.h"

#include "render/GlHeaders.h"

#include <cstdio>
#include <utility>

namespace burgeon {

namespace {

// Buffer objects came with OpenGL 1.5.
bool contextHasBuffers() {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0;
    int minor = 0;
    if (version == nullptr || std::sscanf(version, "%d.%d", &major, &minor) != 2) {
        return false;
    }
    return major > 1 || (major == 1 && minor >= 5);
}

} // namespace

VertexArrays::VertexArrays(VertexArrays&& other) noexcept
    : layout_(other.layout_), vertices_(std::move(other.vertices_)),
      indices_(std::move(other.indices_)), buffersChecked_(other.buffersChecked_),
      useBuffers_(other.useBuffers_), vertexBuffer_(std::exchange(other.vertexBuffer_, 0U)),
      indexBuffer_(std::exchange(other.indexBuffer_, 0U)) {}

void VertexArrays::upload() {
    if (!buffersChecked_) {
        useBuffers_ = contextHasBuffers();
        buffersChecked_ = true;
    }
    if (!useBuffers_) {
        return;
    }
    if (vertexBuffer_ == 0) {
        glGenBuffers(1, &vertexBuffer_);
        glGenBuffers(1, &indexBuffer_);
    }
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices_.size() * sizeof(float)),
                 vertices_.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(indices_.size() * sizeof(std::uint32_t)), indices_.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void VertexArrays::drawTriangles() {
    if (indices_.empty()) {
        return;
    }
    const GLenum format = layout_ == Layout::NormalPosition ? GL_N3F_V3F : GL_T2F_N3F_V3F;
    const auto count = static_cast<GLsizei>(indices_.size());
    if (useBuffers_) {
        // From the bound buffers: the arrays start at their beginning.
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
        glInterleavedArrays(format, 0, nullptr);
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, nullptr);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    } else {
        glInterleavedArrays(format, 0, vertices_.data());
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, indices_.data());
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void VertexArrays::release() {
    if (vertexBuffer_ != 0) {
        glDeleteBuffers(1, &vertexBuffer_);
        glDeleteBuffers(1, &indexBuffer_);
        vertexBuffer_ = 0;
        indexBuffer_ = 0;
    }
    buffersChecked_ = false;
}

} // namespace burgeon
