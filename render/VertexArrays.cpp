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

void VertexArrays::beginDrawing() {
    const GLenum format = layout_ == Layout::NormalPosition ? GL_N3F_V3F : GL_T2F_N3F_V3F;
    if (useBuffers_) {
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
        glInterleavedArrays(format, 0, nullptr);
    } else {
        glInterleavedArrays(format, 0, vertices_.data());
    }
}

void VertexArrays::drawTriangles(std::size_t firstIndex, std::size_t indexCount) const {
    if (indexCount == 0) {
        return;
    }
    if (useBuffers_) {
        // With an index buffer bound, the pointer is an offset into it.
        const auto offset = static_cast<std::uintptr_t>(firstIndex * sizeof(std::uint32_t));
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT,
                       reinterpret_cast<const void*>(offset));
    } else {
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT,
                       indices_.data() + firstIndex);
    }
}

void VertexArrays::endDrawing() {
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    if (useBuffers_) {
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    }
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
