#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace burgeon {

// Interleaved vertices and the indices of their triangles, handed to the pipeline of the
// current context: into buffer objects where it has them (OpenGL 1.5 on), so an unchanged
// array is not copied again for every frame; from client memory otherwise.
class VertexArrays {
public:
    // Normal and position; or texture coordinate, normal and position.
    enum class Layout { NormalPosition, TexCoordNormalPosition };

    explicit VertexArrays(Layout layout) : layout_(layout) {}
    VertexArrays(const VertexArrays&) = delete;
    VertexArrays& operator=(const VertexArrays&) = delete;
    VertexArrays(VertexArrays&& other) noexcept;
    VertexArrays& operator=(VertexArrays&&) = delete;
    ~VertexArrays() = default;

    std::size_t floatsPerVertex() const { return layout_ == Layout::NormalPosition ? 6 : 8; }
    std::vector<float>& vertices() { return vertices_; }
    std::vector<std::uint32_t>& indices() { return indices_; }
    const std::vector<std::uint32_t>& indices() const { return indices_; }
    std::size_t vertexCount() const { return vertices_.size() / floatsPerVertex(); }

    // Hands the arrays as they are now to the pipeline; call after changing them.
    void upload();
    // Draws the triangles as uploaded.
    void drawTriangles();
    // Deletes the buffer objects; needs the context they were made in.
    void release();

private:
    Layout layout_;
    std::vector<float> vertices_;
    std::vector<std::uint32_t> indices_;
    bool buffersChecked_ = false;
    bool useBuffers_ = false;
    unsigned vertexBuffer_ = 0;
    unsigned indexBuffer_ = 0;
};

} // namespace burgeon
